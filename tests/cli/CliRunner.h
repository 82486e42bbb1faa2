#pragma once
// Runs the built mosaicor-cli and collects what it printed.

#include <QProcess>
#include <QStringList>

namespace mosaicor {

struct CliResult {
  int exitCode = -1;
  QString out;
  QString err;
};

inline CliResult RunCli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(MOSAICOR_CLI_PATH), args);
  process.waitForFinished(120000);
  CliResult result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

}  // namespace mosaicor
