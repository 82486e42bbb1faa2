#pragma once
// Runs one command over all its inputs: works out each input's output name, calls the
// command's work for it, prints one line per failure and, on a terminal, a progress line.

#include "cli/CliOptions.h"
#include "core/common/Outcome.h"
#include "core/imagefiles/ImageFileModule.h"

#include <QImage>
#include <functional>

namespace mosaicor {

// The work for one input: the picture to be written, or the failure line that says why not.
using MakePicture = std::function<Result<QImage>(const QString& input)>;

// Writes `picture` as the options ask (24 bits by OUT's extension, or the 32-bit alpha TGA).
Outcome<> WriteOutput(const QImage& picture, const QString& path, bool alpha);

// A picture input loaded to 32 bits as the Source canvas loads it, with what libraries print on
// their own kept off stderr.
PictureOutcome LoadQuietly(const QString& input, QImage& picture, PixelFormatCode& format);

// With --alpha-to-magenta, a picture that has transparency keyed to magenta (--clean-fringe: its
// fringe cleaned); any other picture as it is.
Result<QImage> KeyedAsAsked(const CliOptions& options, QImage picture);

// A failure as the companion prints it: "text (reason)", or the text alone.
Failure<> FailureLine(const Outcome<>& failed);

// Exit status: 0 all done, 1 some input failed. With --split each 256-row page of a picture
// goes to its own file (SplitPagePath).
int RunPictureBatch(const CliOptions& options, const MakePicture& make);

// Each input's output: OUT itself for one input; in the OUT folder for several, named after the
// input, with the input's extension joined (demo_tr4.tga) where inputs share a name, and a number
// where even that is shared, so that no two inputs of a run write the same file.
QStringList OutputPaths(const CliOptions& options);
// The output name of each input without its extension, as OutputPaths makes it for several inputs.
QStringList DistinctStems(const QStringList& inputs);
// "out/x.tga", 3 -> "out/x_003.tga".
QString SplitPagePath(const QString& path, int page);

// On a terminal, with several inputs and without --quiet: "[3/20] name" on stderr, one line
// rewritten in place.
class ProgressLine {
 public:
  explicit ProgressLine(const CliOptions& options);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  void Show(int index, const QString& input);
  // Called before any other line goes to stderr, so the two never share a line.
  void Clear();

 private:
  bool shown_;
  bool dirty_ = false;
  qsizetype total_;
};

// Prints "<input>: <reason>" on stderr.
void ReportFailure(const QString& input, const QString& reason);
// Prints a line on stderr unless --quiet.
void ReportNote(const CliOptions& options, const QString& text);

}  // namespace mosaicor
