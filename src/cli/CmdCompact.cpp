#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/ProjectFiles.h"
#include "cli/SameFile.h"

#include "core/common/WholeFile.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/Compaction.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/SheetBlocks.h"
#include "core/project/ProjectRemap.h"

#include <QFileInfo>
#include <new>

namespace mosaicor {

namespace {

// A tiles.json is a few hundred bytes a tile.
constexpr qint64 kMostTilesJsonBytes = qint64(64) << 20;

// The set as the companion reads it: refused whole when it is not a texture set, since cutting it
// to one would drop cells without a word.
Result<QImage> ReadSet(const QString& input) {
  QImage picture;
  PixelFormatCode format = PixelFormatCode::Device;
  if (const PictureOutcome read = LoadQuietly(input, picture, format); !read) return FailureLine(read);
  if (const QString problem = TextureSetProblem(picture.size()); !problem.isEmpty()) return Failure<>{problem};
  QImage set = AsTextureSet(picture, kCliSetFill);
  if (set.isNull()) return Failure<>{QStringLiteral("not enough memory")};
  return set;
}

// The failing file and why.
struct FileFailure {
  QString file;
  QString reason;
};

}  // namespace

int RunCompact(const CliOptions& options) {
  const QString& input = options.inputs.front();
  // No output may take the place of an input before it is read.
  for (const QString& output : {options.output, options.map, options.projectOut}) {
    if (output.isEmpty()) continue;
    for (const QString& read : {input, options.tilesJson, options.project})
      if (!read.isEmpty() && IsSameFile(output, read)) {
        ReportFailure(read, QStringLiteral("the output would overwrite this input"));
        return 1;
      }
  }
  CompactRules rules;
  rules.mode = options.censusMode;
  std::optional<FileFailure> failed;
  Result<CompactedSet> compacted = Failure<>{};
  Result<LevelProject> project = Failure<>{};
  Result<QByteArray> newProject = Failure<>{};
  try {
    // A refused project is found before the set is read, and leaves nothing written.
    if (!options.project.isEmpty()) {
      project = ReadProjectFile(options.project);
      if (!project) failed = FileFailure{options.project, project.Text()};
    }
    const Result<QImage> set = failed ? Result<QImage>(Failure<>{}) : ReadSet(input);
    if (!failed && !set) failed = FileFailure{input, set.Text()};
    if (!failed && project) {
      const QImage& image = set.Value();
      AddProjectRules(project.Value(), (image.width() / kSetCellSide) * (image.height() / kSetCellSide), rules);
    }
    if (!failed && !options.tilesJson.isEmpty()) {
      Result<QByteArray> json = ReadWholeFile(options.tilesJson, kMostTilesJsonBytes);
      Result<std::vector<QRect>> blocks =
          json ? SheetBlocks(json.Value(), QFileInfo(input).fileName()) : Result<std::vector<QRect>>(json.Status());
      if (blocks)
        rules.blocks = std::move(blocks).Value();
      else
        failed = FileFailure{options.tilesJson, blocks.Text()};
    }
    if (!failed) {
      compacted = CompactSet(set.Value(), kCliSetFill, rules);
      if (!compacted) failed = FileFailure{input, compacted.Text()};
    }
    if (!failed && project) {
      const QImage& image = set.Value();
      const int cells = (image.width() / kSetCellSide) * (image.height() / kSetCellSide);
      newProject = RemappedProject(project.Value(), WithCellsBeyondTheSet(project.Value(), cells, compacted->moves));
      if (!newProject) failed = FileFailure{options.project, newProject.Text()};
    }
  } catch (const std::bad_alloc&) {
    failed = FileFailure{input, QStringLiteral("not enough memory")};
  }
  if (failed) {
    ReportFailure(failed->file, failed->reason);
    return 1;
  }
  if (Outcome<> written = WriteOutput(compacted->set, options.output, false); !written) {
    ReportFailure(options.output, written.Text());
    return 1;
  }
  if (newProject) {
    if (Outcome<> written = WriteFileAtomically(options.projectOut, newProject.Value()); !written) {
      ReportFailure(options.projectOut, written.Text());
      return 1;
    }
    // Builders rename files: a project made for another name is rewritten all the same, and said.
    const QString named = QString(project->textureFile).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(named).fileName().compare(QFileInfo(input).fileName(), Qt::CaseInsensitive) != 0)
      ReportNote(options, QStringLiteral("%1: its texture file is %2, not %3; its faces now fit the compacted %3")
                              .arg(options.project, project->textureFile, QFileInfo(input).fileName()));
  }
  if (!options.map.isEmpty())
    if (Outcome<> written = WriteFileAtomically(options.map, MoveMapCsv(compacted->moves)); !written) {
      ReportFailure(options.map, written.Text());
      return 1;
    }
  if (options.verbose)
    ReportNote(options, QStringLiteral("%1: %2 used cells, %3 kept, %4 pages")
                            .arg(input)
                            .arg(compacted->used)
                            .arg(compacted->kept)
                            .arg(compacted->set.height() / kSetPageSide));
  return 0;
}

}  // namespace mosaicor
