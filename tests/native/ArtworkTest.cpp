// The program's own drawings: the icon file in the repository is the one the artwork code
// draws, and the images have the sizes the windows place them at.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/IcoFormat.h"
#include "ui/Artwork.h"

TEST(ArtworkTest, TheCommittedIconIsTheDrawnOneWithEverySize) {
  std::ifstream file(ORVANE_SOURCE_DIR "/resources/orvane.ico", std::ios::binary);
  ASSERT_TRUE(file) << "resources/orvane.ico is missing";
  const std::string committed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::string drawn = AppIconFile();
  // After a change to the drawing: orvane_make_icon resources/orvane.ico
  EXPECT_TRUE(committed == drawn) << "resources/orvane.ico differs from the icon drawing";

  // The directory lists the sizes Windows picks from, 256 written as 0.
  ASSERT_GE(drawn.size(), 6u);
  const int count = static_cast<unsigned char>(drawn[4]) | static_cast<unsigned char>(drawn[5]) << 8;
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const int width = static_cast<unsigned char>(drawn[6 + 16 * static_cast<size_t>(i)]);
    sizes.push_back(width == 0 ? 256 : width);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
  const auto first = DecodeIco(drawn);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->width, 16);
}

TEST(ArtworkTest, TheLogoKeepsItsProportionsAtEveryScale) {
  const TVectorImage logo = MakerLogo();
  for (const auto& [width, height] : {std::pair{112, 50}, std::pair{140, 63}, std::pair{168, 75},
                                      std::pair{224, 100}}) {
    const IcoImage image = RenderVectorImage(logo, width);
    EXPECT_EQ(image.width, width);
    EXPECT_EQ(image.height, height) << "at width " << width;
    EXPECT_EQ(image.pixels.size(), static_cast<size_t>(width) * height);
  }
  // Something is drawn, and the corners stay clear.
  const IcoImage image = RenderVectorImage(logo, 112);
  size_t opaque = 0;
  for (std::uint32_t pixel : image.pixels) opaque += (pixel >> 24) == 0xFF;
  EXPECT_GT(opaque, 300u);
  EXPECT_EQ(image.pixels.front() >> 24, 0u);
  EXPECT_EQ(image.pixels.back() >> 24, 0u);
}
