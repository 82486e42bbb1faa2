// libFuzzer target for the level editor's project reader on arbitrary bytes, and for a rewrite of
// what it reads: a compaction's rules for a two-page set, and a map that moves each cell one on.
#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"
#include "core/project/ProjectRemap.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Result<LevelProject> project =
      ReadLevelProject(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (!project) {
    if (project.Text().isEmpty()) __builtin_trap();  // every refusal says why
    return 0;
  }
  CompactRules rules;
  AddProjectRules(project.Value(), 32, rules);
  std::vector<CellMove> moves;
  for (int cell = 0; cell < 256; ++cell) moves.push_back(CellMove{cell, (cell + 1) % 256, CellTransform::Rot90});
  const Result<QByteArray> remapped = RemapProject(project.Value(), moves);
  if (remapped && remapped->size() != qsizetype(size)) __builtin_trap();  // a rewrite keeps the size
  return 0;
}
