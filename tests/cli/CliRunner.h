#pragma once
// Runs the built mosaicor-cli and collects what it printed.

#include <QProcess>
#include <QStringList>
#include <ostream>

// GoogleTest shows a QString as its text rather than as a list of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace mosaicor {

struct CliResult {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs it in `workingDirectory`, or in the test's own when that is empty.
inline CliResult RunCli(const QStringList& args, const QString& workingDirectory = QString()) {
  QProcess process;
  if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
  process.start(QStringLiteral(MOSAICOR_CLI_PATH), args);
  process.waitForFinished(120000);
  CliResult result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  // The companion writes UTF-8 into a pipe on every platform; a Windows console program ends its
  // lines with CR LF, and the tests compare lines.
  result.out =
      QString::fromUtf8(process.readAllStandardOutput()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  result.err =
      QString::fromUtf8(process.readAllStandardError()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return result;
}

}  // namespace mosaicor
