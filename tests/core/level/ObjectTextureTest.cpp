#include "core/level/ObjectTexture.h"

#include <gtest/gtest.h>

namespace mosaicor {

namespace {

TEST(ObjectTexture, RecordSizesByGeneration) {
  for (int gv = 1; gv <= 5; ++gv) EXPECT_EQ(ObjectTextureRecordSize(GameVersion(gv)), 20);
  EXPECT_EQ(ObjectTextureRecordSize(GameVersion::TR4), 38);
  EXPECT_EQ(ObjectTextureRecordSize(GameVersion::TR5), 40);
}

TEST(ObjectTexture, OldRecordsLeaveTheNewerFieldsZero) {
  const std::uint8_t record[20] = {0x02, 0x00, 0x05, 0x80, 0x01, 0x40, 0x00, 0xC0, 1,  2,
                                   3,    4,    5,    6,    7,    8,    9,    10,   11, 12};
  const ObjectTexture t = DecodeObjectTexture(record, GameVersion::TR1);
  EXPECT_EQ(t.Attribute, 2);
  EXPECT_EQ(t.Tile, 0x8005);  // kept as stored, flag bit included
  EXPECT_EQ(t.Vertices[0], (ObjectTextureVertex{0x01, 64, 0x00, 192}));
  EXPECT_EQ(t.Vertices[3], (ObjectTextureVertex{9, 10, 11, 12}));
  EXPECT_EQ(t.ExtraWord, 0);
  EXPECT_EQ(t.ExtraLongs, (std::array<std::uint32_t, 4>{}));
  EXPECT_EQ(t.TrailingWord, 0);
}

TEST(ObjectTexture, NewerRecordsCarryTheirExtraFields) {
  std::uint8_t record[40];
  for (int i = 0; i < 40; ++i) record[i] = std::uint8_t(i + 1);
  const ObjectTexture tr4 = DecodeObjectTexture(record, GameVersion::TR4);
  EXPECT_EQ(tr4.Attribute, 0x0201);
  EXPECT_EQ(tr4.Tile, 0x0403);
  EXPECT_EQ(tr4.ExtraWord, 0x0605);
  EXPECT_EQ(tr4.Vertices[0], (ObjectTextureVertex{7, 8, 9, 10}));
  EXPECT_EQ(tr4.Vertices[3], (ObjectTextureVertex{19, 20, 21, 22}));
  EXPECT_EQ(tr4.ExtraLongs[0], 0x1A191817u);
  EXPECT_EQ(tr4.ExtraLongs[3], 0x26252423u);
  EXPECT_EQ(tr4.TrailingWord, 0);
  const ObjectTexture tr5 = DecodeObjectTexture(record, GameVersion::TR5);
  EXPECT_EQ(tr5.ExtraLongs, tr4.ExtraLongs);
  EXPECT_EQ(tr5.TrailingWord, 0x2827);
}

}  // namespace

}  // namespace mosaicor
