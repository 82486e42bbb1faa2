#include "Batch.h"

#include "SameFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <unistd.h>

namespace {

void PrintLine(FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fprintf(stream, "%s\n", bytes.constData());
  std::fflush(stream);
}

class ProgressLine {
 public:
  ProgressLine(const CliOptions& options)
      : shown_(!options.quiet && options.inputs.size() > 1 && isatty(fileno(stderr))), total_(options.inputs.size()) {}
  ~ProgressLine() { Clear(); }

  void Show(int index, const QString& input) {
    if (!shown_) return;
    const QByteArray text = QStringLiteral("[%1/%2] %3").arg(index + 1).arg(total_).arg(input).toLocal8Bit();
    std::fprintf(stderr, "\r\x1b[K%s", text.constData());
    std::fflush(stderr);
    dirty_ = true;
  }
  // Called before any other line goes to stderr, so the two never share a line.
  void Clear() {
    if (!dirty_) return;
    std::fprintf(stderr, "\r\x1b[K");
    std::fflush(stderr);
    dirty_ = false;
  }

 private:
  bool shown_;
  bool dirty_ = false;
  qsizetype total_;
};

// Memory that runs out for one input fails that input, not the whole run.
bool MakeAndWrite(const MakePicture& make, const QString& input, const QString& output, bool alpha, QImage& picture,
                  QString& reason) {
  try {
    return make(input, picture, reason) && WriteOutput(picture, output, alpha, reason);
  } catch (const std::bad_alloc&) {
    picture = QImage();
    reason = QStringLiteral("not enough memory");
  }
  return false;
}

}  // namespace

void ReportFailure(const QString& input, const QString& reason) { PrintLine(stderr, input + QStringLiteral(": ") + reason); }

void ReportNote(const CliOptions& options, const QString& text) {
  if (!options.quiet) PrintLine(stderr, text);
}

int RunPictureBatch(const CliOptions& options, const MakePicture& make) {
  QStringList outputs;
  if (options.inputs.size() == 1) {
    outputs << options.output;
  } else {
    if (!QFileInfo(options.output).isDir()) {
      PrintLine(stderr, QStringLiteral("mosaicor-cli: with several inputs, -o must name an existing folder: %1").arg(options.output));
      return 2;
    }
    const QString extension = options.format.isEmpty() ? QStringLiteral("tga") : options.format;
    for (const QString& input : options.inputs)
      outputs << QDir(options.output).filePath(QFileInfo(input).completeBaseName() + '.' + extension);
  }
  if (options.alpha && !outputs.first().endsWith(QLatin1String(".tga"), Qt::CaseInsensitive)) {
    PrintLine(stderr, QStringLiteral("mosaicor-cli: --alpha writes a 32-bit TGA: OUT must end in .tga"));
    return 2;
  }

  int failures = 0;
  ProgressLine progress(options);
  QHash<QString, QString> written;  // output path -> the input that wrote it
  for (int i = 0; i < options.inputs.size(); ++i) {
    const QString& input = options.inputs[i];
    progress.Show(i, input);
    // Two inputs of the same name from different folders would give the same output file:
    // the second one must not silently replace what the first one wrote.
    const QString key = QFileInfo(outputs[i]).absoluteFilePath();
    if (written.contains(key)) {
      progress.Clear();
      ReportFailure(input, QStringLiteral("not written: %1 already holds the output of %2").arg(outputs[i], written[key]));
      ++failures;
      continue;
    }
    // Refused before the input is read: the output would replace the file it is made from.
    const int overwritten = OverwrittenInput(outputs[i], options.inputs, i);
    if (overwritten >= 0) {
      progress.Clear();
      ReportFailure(input,
                    overwritten == i
                        ? QStringLiteral("the output would overwrite this input")
                        : QStringLiteral("the output would overwrite the input %1").arg(options.inputs[overwritten]));
      ++failures;
      continue;
    }
    QImage picture;
    QString reason;
    const bool ok = MakeAndWrite(make, input, outputs[i], options.alpha, picture, reason);
    if (!ok) {
      progress.Clear();
      ReportFailure(input, reason);
      ++failures;
      continue;
    }
    written.insert(key, input);
  }
  return failures ? 1 : 0;
}
