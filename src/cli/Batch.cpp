#include "cli/Batch.h"

#include "cli/Console.h"
#include "cli/SameFile.h"
#include "core/packing/SetGeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cstdio>

namespace mosaicor {

namespace {

void PrintLine(FILE* stream, const QString& text) { PrintText(stream, text + QLatin1Char('\n')); }

// Memory that runs out for one input fails that input, not the whole run.
Outcome<> WriteSplit(const QImage& picture, const QString& path, bool alpha);

// `newFolder`, when not empty, is the batch's output folder, still to be made: it is made with its first
// file, so that a batch whose inputs all fail leaves none.
Outcome<> MakeAndWrite(const MakePicture& make, const QString& input, const QString& output, bool alpha, bool split,
                       const QString& newFolder) {
  try {
    const Result<QImage> picture = make(input);
    if (!picture) return picture.Status();
    if (!newFolder.isEmpty() && !QFileInfo(newFolder).isDir() && !QDir().mkpath(newFolder))
      return Failure<>{QStringLiteral("cannot make the folder %1").arg(newFolder)};
    return split ? WriteSplit(picture.Value(), output, alpha) : WriteOutput(picture.Value(), output, alpha);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
}

}  // namespace

ProgressLine::ProgressLine(const CliOptions& options)
    : shown_(!options.quiet && options.inputs.size() > 1 && IsTerminal(stderr)), total_(options.inputs.size()) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Show(int index, const QString& input) {
  if (!shown_) return;
  ShowProgressText(stderr, QStringLiteral("[%1/%2] %3").arg(index + 1).arg(total_).arg(input));
  dirty_ = true;
}

void ProgressLine::Clear() {
  if (!dirty_) return;
  ShowProgressText(stderr, QString());
  dirty_ = false;
}

void ReportFailure(const QString& input, const QString& reason) { PrintLine(stderr, input + QStringLiteral(": ") + reason); }

void ReportNote(const CliOptions& options, const QString& text) {
  if (!options.quiet) PrintLine(stderr, text);
}

QStringList DistinctStems(const QStringList& inputs) {
  // Names compare without letter case, so that outputs stay apart on every file system.
  QHash<QString, int> sharing;
  for (const QString& input : inputs) ++sharing[QFileInfo(input).completeBaseName().toLower()];
  QSet<QString> taken;
  QStringList stems;
  for (const QString& input : inputs) {
    const QFileInfo info(input);
    QString name = info.completeBaseName();
    // demo.phd and demo.tr4 become demo_phd and demo_tr4; what is still the same (the same name
    // in two folders) is numbered.
    if (sharing[name.toLower()] > 1 && !info.suffix().isEmpty()) name += '_' + info.suffix();
    QString unique = name;
    for (int n = 2; taken.contains(unique.toLower()); ++n) unique = QStringLiteral("%1_%2").arg(name).arg(n);
    taken.insert(unique.toLower());
    stems << unique;
  }
  return stems;
}

QStringList OutputPaths(const CliOptions& options) {
  if (options.inputs.size() == 1) return {options.output};
  const QString extension = options.format.isEmpty() ? QStringLiteral("tga") : options.format;
  QStringList outputs;
  for (const QString& stem : DistinctStems(options.inputs))
    outputs << QDir(options.output).filePath(stem + '.' + extension);
  return outputs;
}

QString SplitPagePath(const QString& path, int page) {
  const QString suffix = QFileInfo(path).suffix();
  const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
  return QStringLiteral("%1_%2.%3").arg(stem).arg(page, 3, 10, QLatin1Char('0')).arg(suffix);
}

namespace {

// --split: each 256-row page of the picture in its own file.
Outcome<> WriteSplit(const QImage& picture, const QString& path, bool alpha) {
  for (int page = 0; page * kSetPageSide < picture.height(); ++page) {
    const QImage one = picture.copy(0, page * kSetPageSide, picture.width(), kSetPageSide);
    if (one.isNull()) return Failure<>{QStringLiteral("not enough memory for page %1").arg(page)};
    if (Outcome<> written = WriteOutput(one, SplitPagePath(path, page), alpha); !written) return written;
  }
  return {};
}

}  // namespace

int RunPictureBatch(const CliOptions& options, const MakePicture& make) {
  // OUT itself was checked with the command line, before any input is read.
  const QStringList outputs = OutputPaths(options);
  const QString newFolder =
      options.inputs.size() > 1 && !QFileInfo(options.output).isDir() ? options.output : QString();
  int failures = 0;
  ProgressLine progress(options);
  for (int i = 0; i < options.inputs.size(); ++i) {
    const QString& input = options.inputs[i];
    progress.Show(i, input);
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
    const Outcome<> done = MakeAndWrite(make, input, outputs[i], options.alpha, options.split, newFolder);
    if (!done) {
      progress.Clear();
      ReportFailure(input, done.Text());
      ++failures;
    }
  }
  return failures ? 1 : 0;
}

}  // namespace mosaicor
