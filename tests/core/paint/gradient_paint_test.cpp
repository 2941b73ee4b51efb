#include <gtest/gtest.h>

#include <vector>

#include "core/paint/gradient_paint.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;

// Gray pixels 0xFFvvvvvv for the values.
std::vector<uint32_t> Grays(std::initializer_list<int> values) {
  std::vector<uint32_t> out;
  for (int v : values) out.push_back(0xFF000000u | 0x010101u * static_cast<uint32_t>(v));
  return out;
}

TsGradPie Gray(int from, int to, int percent, int kind = 0) {
  return {0x010101u * static_cast<TColor>(from), 0x010101u * static_cast<TColor>(to), static_cast<TPercent>(percent),
          kind, 0};
}

TEST(PaintGradient, VerticalPiecesShareTheirBoundaryRowAndTheLaterWins) {
  auto bitmap = Filled32(1, 11, 0);
  PaintGradient(*bitmap, {0, 0, 1, 11}, {Gray(0, 50, 50), Gray(100, 150, 50)});
  EXPECT_EQ(Pixels(*bitmap), Grays({0, 10, 20, 30, 40, 100, 110, 120, 130, 140, 150}));
}

TEST(PaintGradient, VerticalBlackToWhiteReachesWhiteOnTheLastRow) {
  auto bitmap = Filled32(2, 256, 0);
  PaintGradient(*bitmap, {0, 0, 2, 256}, {Gray(0, 255, 100)});
  EXPECT_EQ(image::GetPixel32(*bitmap, 1, 0), 0xFF000000u);
  EXPECT_EQ(image::GetPixel32(*bitmap, 0, 128), 0xFF808080u);
  EXPECT_EQ(image::GetPixel32(*bitmap, 1, 255), 0xFFFFFFFFu);
}

TEST(PaintGradient, ChannelsRoundHalfToEven) {
  auto bitmap = Filled32(1, 5, 0);
  PaintGradient(*bitmap, {0, 0, 1, 5}, {Gray(0, 2, 100)});  // 0, 0.5, 1, 1.5, 2
  EXPECT_EQ(Pixels(*bitmap), Grays({0, 0, 1, 2, 2}));
}

TEST(PaintGradient, HorizontalPieceEndsAtTheRoundedShareAndRowsRepeat) {
  auto bitmap = Filled32(9, 2, 0);
  // 50 * 9 / 100 = 4.5 rounds to 4.
  PaintGradient(*bitmap, {0, 0, 9, 2}, {Gray(0, 40, 50, 1), Gray(100, 140, 50, 1)});
  const std::vector<uint32_t> row = Grays({0, 10, 20, 30, 100, 110, 120, 130, 140});
  std::vector<uint32_t> both = row;
  both.insert(both.end(), row.begin(), row.end());
  EXPECT_EQ(Pixels(*bitmap), both);
}

TEST(PaintGradient, ClipsTheRectAndPaintsNothingForUnknownKindsOrEmptyInput) {
  auto bitmap = Filled32(3, 3, 0);
  PaintGradient(*bitmap, {1, -4, 9, 2}, {Gray(7, 7, 100)});
  const uint32_t o = 0, g = 0xFF070707;
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{o, g, g, o, g, g, o, o, o}));

  auto untouched = Filled32(2, 2, 0);
  PaintGradient(*untouched, {0, 0, 2, 2}, {Gray(7, 9, 100, 3)});
  PaintGradient(*untouched, {0, 0, 2, 2}, {});
  PaintGradient(*untouched, {2, 0, 2, 2}, {Gray(7, 9, 100)});
  EXPECT_EQ(Pixels(*untouched), (std::vector<uint32_t>(4, 0)));
}

struct RecordedFill {
  int calls = 0;
  TRect rect;
  std::vector<TTriVertex> vertices;
  std::vector<TGradientTriangle> triangles;
};
RecordedFill g_fill;

void RecordFill(image::TWorkingBitmap&, const TRect& rect, std::span<const TTriVertex> vertices,
                std::span<const TGradientTriangle> triangles) {
  ++g_fill.calls;
  g_fill.rect = rect;
  g_fill.vertices.assign(vertices.begin(), vertices.end());
  g_fill.triangles.assign(triangles.begin(), triangles.end());
}

TEST(PaintGradient, TrianglesGoToThePlatformShaderAsAPyramid) {
  g_fill = {};
  auto bitmap = Filled32(20, 20, 0);
  PaintGradient(*bitmap, {1, 2, 11, 8}, {{0x00336699, 0, 0, 2, 0}, {0x00000001, 0, 0, 0, 0}});  // no shader yet
  EXPECT_EQ(g_fill.calls, 0);
  EXPECT_EQ(Pixels(*bitmap), std::vector<uint32_t>(400, 0));

  SetTriangleGradientFill(RecordFill);
  PaintGradient(*bitmap, {1, 2, 11, 8}, {{0x00336699, 0, 0, 2, 0}, {0x00000001, 0, 0, 0, 0}});
  SetTriangleGradientFill(nullptr);
  ASSERT_EQ(g_fill.calls, 1);
  EXPECT_EQ(g_fill.rect, (TRect{1, 2, 11, 8}));
  const int xy[5][2] = {{1, 2}, {6, 5}, {11, 2}, {11, 8}, {1, 8}};
  ASSERT_EQ(g_fill.vertices.size(), 5u);
  for (size_t k = 0; k < 5; ++k) {
    const TTriVertex& v = g_fill.vertices[k];
    EXPECT_EQ(v.X, xy[k][0]) << k;
    EXPECT_EQ(v.Y, xy[k][1]) << k;
    EXPECT_EQ(v.Red, k == 0 ? 0x9900 : 0x0100) << k;  // missing pieces repeat the last colour
    EXPECT_EQ(v.Green, k == 0 ? 0x6600 : 0) << k;
    EXPECT_EQ(v.Blue, k == 0 ? 0x3300 : 0) << k;
    EXPECT_EQ(v.Alpha, 0xFF00) << k;
  }
  const uint32_t triangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  ASSERT_EQ(g_fill.triangles.size(), 4u);
  for (size_t t = 0; t < 4; ++t) {
    EXPECT_EQ(g_fill.triangles[t].Vertex1, triangles[t][0]);
    EXPECT_EQ(g_fill.triangles[t].Vertex2, triangles[t][1]);
    EXPECT_EQ(g_fill.triangles[t].Vertex3, triangles[t][2]);
  }
}

TEST(PaintGradientTexture, MixesATextureAnchoredAtTheBitmapOrigin) {
  auto bitmap = Filled32(3, 2, 0);
  const auto texture = Bitmap32(2, 1, {0x00C8C8C8, 0x00646464});
  PaintGradientTexture(*bitmap, {1, 0, 3, 2}, {Gray(0, 0, 100)}, 128, {}, *texture);
  // Column 1 takes texture column 1 (100), column 2 texture column 0 (200); each halved over black.
  const uint32_t o = 0, a = 0xFF323232, b = 0xFF646464;
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{o, a, b, o, a, b}));
}

TEST(PaintGradientTexture, HorizontalBandRepeatsWithTheTextureHeight) {
  const auto texture = Bitmap32(1, 2, {0x00C8C8C8, 0x00646464});
  auto bitmap = Filled32(2, 5, 0);
  PaintGradientTexture(*bitmap, {0, 0, 2, 5}, {Gray(0, 0, 100, 1)}, 255, {}, *texture);
  const uint32_t a = 0xFFC7C7C7, b = 0xFF636363;  // 200 * 255 >> 8, 100 * 255 >> 8
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{a, a, b, b, a, a, b, b, a, a}));

  PaintGradientTexture(*bitmap, {0, 0, 2, 5}, {Gray(0, 0, 100, 1)}, 255, {0, 1, 1, 2}, *texture);
  EXPECT_EQ(Pixels(*bitmap), std::vector<uint32_t>(10, b));
}

}  // namespace
}  // namespace zelvan::paint
