#include "cli/Console.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace mosaicor {

namespace {

#if defined(Q_OS_WIN)
// The console behind the stream, or nothing when it is redirected.
HANDLE ConsoleOf(FILE* stream) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// The longest progress line shown, so that a shorter one covers it.
qsizetype shownLength = 0;
#endif

}  // namespace

void PrintText(FILE* stream, const QString& text) {
#if defined(Q_OS_WIN)
  std::fflush(stream);
  if (const HANDLE console = ConsoleOf(stream)) {
    const std::wstring wide = text.toStdWString();
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const QByteArray bytes = text.toUtf8();
#else
  const QByteArray bytes = text.toLocal8Bit();
#endif
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

bool IsTerminal(FILE* stream) {
#if defined(Q_OS_WIN)
  // isatty() is also true for NUL.
  return ConsoleOf(stream) != nullptr;
#else
  return isatty(fileno(stream));
#endif
}

void ShowProgressText(FILE* stream, const QString& text) {
#if defined(Q_OS_WIN)
  const qsizetype covered = shownLength;
  shownLength = text.isEmpty() ? 0 : std::max(shownLength, text.size());
  PrintText(stream, QLatin1Char('\r') + text +
                        QString(std::max<qsizetype>(covered - text.size(), 0), QLatin1Char(' ')) +
                        (text.isEmpty() ? QStringLiteral("\r") : QString()));
#else
  PrintText(stream, QStringLiteral("\r\x1b[K") + text);
#endif
}

}  // namespace mosaicor
