// The level editor's project: read from what our writer makes, refused when damaged, and rewritten
// for a compacted set so that every face shows exactly what it showed.

#include "core/canvas/TileTransforms.h"
#include "core/packing/Compaction.h"
#include "core/project/LevelProject.h"
#include "core/project/ProjectRemap.h"

#include "ProjectWriter.h"
#include "TestPictures.h"

#include <gtest/gtest.h>
#include <QPainter>

namespace mosaicor {

namespace {

constexpr QRgb kBlack = 0xFF000000u;

void Put(QImage& set, int cell, const QImage& tile) {
  const int columns = set.width() / 64;
  QPainter painter(&set);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(cell % columns * 64, cell / columns * 64, tile);
}

QImage Flat(QRgb colour) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(colour);
  return tile;
}

// Faces in all four rotations, flipped and not, on every triangle corner, at the cells given.
std::vector<ProjectFaceSpec> AllLays(const std::vector<int>& textures) {
  std::vector<ProjectFaceSpec> faces;
  for (int texture : textures)
    for (int rotation = 0; rotation < 4; ++rotation)
      for (bool flipped : {false, true}) faces.push_back({texture, flipped, rotation, (rotation + flipped) % 4});
  return faces;
}

TEST(Project, ReadsEveryRecordTheWriterWrites) {
  ProjectSpec spec;
  spec.faces = AllLays({0, 5, 256});
  spec.faces.resize(70);  // two rooms of 56 faces
  spec.partial = {QRect(64, 0, 32, 16)};
  spec.animationRanges = {{8, 10}};
  spec.footsteps[3] = 7;
  spec.bumps[4] = 2;
  spec.trailer = QByteArray("NG") + QByteArray(20, '\x01');
  const Result<LevelProject> project = ReadLevelProject(WriteProject(spec));
  ASSERT_TRUE(project.Ok()) << project.Text().toStdString();
  EXPECT_EQ(project->rooms, 3);
  EXPECT_EQ(project->faces.size(), 70u);
  EXPECT_EQ(project->faces[16].texture, 256);
  EXPECT_TRUE(project->faces[17].Flipped());
  EXPECT_EQ(project->textures.size(), 257u);
  EXPECT_EQ(project->textures[256].rect, QRect(64, 0, 32, 16));
  EXPECT_EQ(project->textureFile, QStringLiteral("set.tga"));
  EXPECT_TRUE(project->animated[9]);
  EXPECT_FALSE(project->animated[11]);
  EXPECT_EQ(project->Footstep(3), 7);
  EXPECT_EQ(project->Bump(4), 2);
}

TEST(Project, RefusesWhatItCannotReadWithTheReason) {
  ProjectSpec spec;
  spec.faces = AllLays({0});
  const QByteArray good = WriteProject(spec);
  const auto reason = [](const QByteArray& bytes) {
    const Result<LevelProject> read = ReadLevelProject(bytes);
    return read ? QString() : read.Text();
  };
  ProjectSpec big = spec;
  big.bigTextures = true;
  EXPECT_EQ(reason(WriteProject(big)), "a project with 128-pixel tiles (\"big textures\"): not supported");
  EXPECT_EQ(reason("PROJFILE"), "not a project of the level editor (no PROJFILE signature)");
  EXPECT_EQ(reason(good + "xyz"), "damaged project: 3 bytes follow where its reading ends");
  ProjectSpec none = spec;
  none.textureFile = "NA";
  EXPECT_EQ(reason(WriteProject(none)), "the project uses no texture set (its texture file is NA)");
  // Every cut short is refused, none read past its end (the sanitizers watch).
  for (qsizetype size = 16; size < good.size() - 256; size += 97)
    EXPECT_TRUE(reason(good.left(size)).startsWith("damaged project")) << size;
  // Without bump levels a project still ends where its reading ends.
  EXPECT_EQ(reason(good.left(good.size() - 256)), QString());
  // A face that names an entry the table lacks.
  ProjectSpec beyond = spec;
  beyond.faces[0].texture = 300;
  EXPECT_EQ(reason(WriteProject(beyond)), "damaged project: a face in room 1 shows texture entry 300 of 256");
  // An object of a kind the editor does not write: the room's first item record starts at byte 184.
  QByteArray odd = good;
  odd[184] = '\x09';
  EXPECT_EQ(reason(odd), "damaged project: an object of unknown kind 9 in room 1");
}

// The set: an F and its turned and mirrored copies, so that the symmetric census merges them;
// a flat cell with two twins of other footsteps; an animation range; a rectangle inside a cell.
struct Scene {
  QImage set{256, 512, QImage::Format_ARGB32};
  ProjectSpec spec;
  Scene() {
    set.fill(kBlack);
    const QImage f = MakeFPicture(64, 64);
    Put(set, 1, f);
    Put(set, 3, RotatedTile(f));
    Put(set, 6, HFlippedTile(f));
    Put(set, 9, VFlippedTile(RotatedTile(f)));
    Put(set, 12, Flat(0xFF336699u));
    Put(set, 14, Flat(0xFF336699u));
    Put(set, 17, Flat(0xFF336699u));
    Put(set, 20, f);  // animated, twin of cell 1
    Put(set, 21, Flat(0xFF101010u));
    Put(set, 26, RotatedTile(RotatedTile(f)));
    spec.faces = AllLays({1, 3, 6, 9, 12, 14, 17, 20, 21, 26, 2, 256, 257});
    spec.faces.push_back({40, false, 1, 2});
    spec.partial = {QRect(6 * 64 % 256 + 8, 6 / 4 * 64 + 4, 40, 20), QRect(26 % 4 * 64, 26 / 4 * 64 + 30, 64, 34)};
    spec.animationRanges = {{20, 21}};
    spec.footsteps[14] = 3;  // 12 and 17 alike, 14 apart
    spec.bumps[26] = 1;
  }
};

TEST(Project, CompactionUnderAProjectLeavesEveryFaceShowingWhatItShowed) {
  Scene scene;
  const QByteArray bytes = WriteProject(scene.spec);
  const Result<LevelProject> project = ReadLevelProject(bytes);
  ASSERT_TRUE(project.Ok()) << project.Text().toStdString();
  CompactRules rules = CompactRules::Of(CensusMode{true, 0});
  AddProjectRules(project.Value(), 32, rules);
  const Result<CompactedSet> compacted = CompactSet(scene.set, kBlack, rules);
  ASSERT_TRUE(compacted.Ok());
  const Result<QByteArray> rewritten =
      RemapProject(project.Value(), WithCellsBeyondTheSet(project.Value(), 32, compacted->moves));
  ASSERT_TRUE(rewritten.Ok()) << rewritten.Text().toStdString();
  EXPECT_EQ(rewritten->size(), bytes.size());
  // A face at cell 40, beyond the two pages, points there still.
  const Result<LevelProject> rewrittenProject = ReadLevelProject(rewritten.Value());
  ASSERT_TRUE(rewrittenProject.Ok());
  EXPECT_EQ(rewrittenProject->faces.back().texture, 40);
  EXPECT_EQ(FacePixels(compacted->set, rewritten.Value()), FacePixels(scene.set, bytes));

  // The black cell 2 that faces show is used; the animated 20 and 21 stay, and 20 is no one's copy;
  // 14's other footsteps keep it apart from its twins 12 and 17, and 26's bump level from the Fs;
  // the other turned Fs are one cell.
  EXPECT_EQ(MoveMapCsv(compacted->moves).toStdString(),
            "old_cell,new_cell,transform\n1,0,none\n2,1,none\n3,0,rot270\n6,0,flipx\n9,0,antitranspose\n"
            "12,2,none\n14,3,none\n17,2,none\n20,20,none\n21,21,none\n26,4,none\n");
  const Result<LevelProject> after = ReadLevelProject(rewritten.Value());
  ASSERT_TRUE(after.Ok());
  EXPECT_EQ(after->Footstep(3), 3);
  EXPECT_EQ(after->Footstep(2), 0);
  EXPECT_EQ(after->Bump(4), 1);
  // Every byte but those of faces, entries and settings is as it was.
  const Result<LevelProject> before = ReadLevelProject(bytes);
  QByteArray masked = rewritten.Value(), original = bytes;
  for (QByteArray* b : {&masked, &original}) {
    for (const ProjectFace& face : before->faces) b->replace(face.offset + 2, 4, "....");
    for (const ProjectTexture& t : before->textures) b->replace(t.offset, 8, "........");
    b->replace(before->footstepsOffset, 512, QByteArray(512, '.'));
  }
  EXPECT_EQ(masked, original);
}

TEST(Project, RemapRefusesAMapThatBreaksTheProject) {
  Scene scene;
  const Result<LevelProject> project = ReadLevelProject(WriteProject(scene.spec));
  ASSERT_TRUE(project.Ok());
  const auto refusal = [&](const QByteArray& csv) {
    const Result<std::vector<CellMove>> moves = ReadMoveMap("old_cell,new_cell,transform\n" + csv);
    if (!moves) return moves.Text();
    const Result<QByteArray> remapped = RemapProject(project.Value(), moves.Value());
    return remapped ? QString() : remapped.Text();
  };
  const QByteArray rest =
      "2,2,none\n3,3,none\n6,6,none\n9,9,none\n12,12,none\n17,17,none\n21,21,none\n26,26,none\n40,40,none\n";
  EXPECT_EQ(refusal("1,1,none\n14,14,none\n20,20,none\n" + rest), QString());
  EXPECT_EQ(refusal("1,1,none\n14,14,none\n20,1,none\n" + rest), "the map moves cell 20, which is animated");
  EXPECT_EQ(refusal("1,20,none\n14,14,none\n20,20,none\n" + rest),
            "the map merges cell 1 into cell 20, which is animated");
  EXPECT_EQ(refusal("1,1,none\n14,12,none\n20,20,none\n" + rest),
            "the map merges cells 14 and 12, whose settings differ");
  EXPECT_EQ(refusal("14,14,none\n20,20,none\n" + rest),
            "the map does not say where cell 1 went, which the project uses");
  EXPECT_EQ(refusal("1,300,none\n14,14,none\n20,20,none\n" + rest),
            "the map puts cell 1 at 300, beyond the 256 cells a project names");
  EXPECT_EQ(refusal("1,5000,none\n"), "the map names cell 5000, which a project cannot have");
  EXPECT_EQ(refusal("1,1,sideways\n"), "line 2 of the move map is not old_cell,new_cell,transform");
}

// Each of the eight turns, laid on a face in each of its lays, and turned back, is the lay it was
// (up to the rotation a quad reads modulo 4 and a triangle modulo 3).
TEST(Project, TurnedLaysComposeAndUndo) {
  for (CellTransform t : kCellTransforms)
    for (int rotation = 0; rotation < 4; ++rotation)
      for (bool flipped : {false, true})
        for (int triangle = 0; triangle < 4; ++triangle) {
          const FaceLay lay{flipped, rotation, triangle};
          const FaceLay back = TurnedLay(TurnedLay(lay, t), Inverse(t));
          EXPECT_EQ(back.flipped, flipped);
          EXPECT_EQ(back.triangle, triangle);
          EXPECT_EQ(back.rotation % 4, rotation % 4);
          EXPECT_EQ(back.rotation % 3, rotation % 3);
        }
}

}  // namespace

}  // namespace mosaicor
