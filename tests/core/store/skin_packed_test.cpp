#include <gtest/gtest.h>

#include "core/store/skin_convertor.h"
#include "core/store/skin_files.h"
#include "core/store/stored_skins.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/skinpack/skin_pack.h"

namespace zelvan::store {
namespace {

using skinpack::PackSkinFiles;
using testing::Bytes;
using testing::SkinHarness;
using testing::SolidBmp;

const char* const kOptions =
    "[GLOBALINFO]\nVERSION=8\nMASTERBITMAP=MASTER.BMP\n"
    "[EDIT]\nCOLOR=5\nBORDERSMASK=edit.bmp\nGLYPHMASK=!Glyph.BMP!1!0!2\nPATTERN=# (0,0,4,4) (1,0,0,1)\n";

std::vector<uint8_t> Archive() {
  // Stored names in any case: the description's names are compared upper-cased.
  return PackSkinFiles({{"Options.dat", Bytes(kOptions)},
                        {"master.bmp", SolidBmp(8, 8, 0x102030)},
                        {"Edit.bmp", SolidBmp(9, 6, 0x405060)},
                        {"GLYPH.BMP", SolidBmp(3, 3, 0x708090)}});
}

TEST(PackedSkin, LoadsFromTheArchiveNamedWithAsz) {
  SkinHarness h;
  h.dir.Write("Air.asz", Archive());
  h.Load("Air.asz");
  EXPECT_EQ(h.settings.SkinName, u"Air");
  EXPECT_TRUE(h.store.SkinIsPacked);
  EXPECT_EQ(h.store.SkinData->SkinPath, h.dir.Path() + u"\\");
  EXPECT_EQ(h.Section("EDIT").Color, 5u);
  EXPECT_EQ(h.store.MasterBitmap->Width(), 8);
  ASSERT_NE(h.Part("EDIT", "BORDERSMASK"), nullptr);
  EXPECT_EQ(h.Part("EDIT", "BORDERSMASK")->R.Width(), 9);
  EXPECT_EQ(h.Part("EDIT", "GLYPHMASK"), nullptr) << "\"!\" names compare as written: Glyph.BMP is not GLYPH.BMP";
  EXPECT_NE(h.Part("EDIT", "PATTERN"), nullptr);
  EXPECT_EQ(h.Section("EDIT").BorderIndex, h.store.GetMaskIndex("EDIT", "BORDERSMASK"));
}

TEST(PackedSkin, DescriptionOnly) {
  SkinHarness h;
  h.dir.Write("Bare.asz", PackSkinFiles({{"Options.dat", Bytes("[GLOBALINFO]\nVERSION=8\n[EDIT]\nCOLOR=9\n")}}));
  h.Load("Bare");
  EXPECT_TRUE(h.store.ma.empty());
  EXPECT_EQ(h.Section("EDIT").Color, 9u);
}

TEST(PackedSkin, DamagedArchivesRaiseTheirError) {
  const auto good = Archive();
  auto magic = good;
  magic[2] = 'Z';
  magic[3] = 'F';
  const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
      {magic, kNotPackedSkin},
      {std::vector<uint8_t>(good.begin(), good.end() - 20), "Packed skin file is damaged"},
      {PackSkinFiles({{"a.bmp", Bytes("x")}}), "Packed skin file is damaged: no Options.dat"},
  };
  for (const auto& [bytes, message] : cases) {
    SkinHarness h;
    h.dir.Write("Broken.asz", bytes);
    try {
      h.Load("Broken");
      ADD_FAILURE() << message;
    } catch (const EPackedSkinError& e) {
      EXPECT_TRUE(std::string(e.what()).starts_with(message)) << e.what();
    }
    EXPECT_FALSE(IsSkinLoading());
  }
}

TEST(PackedSkin, FolderOnlyWinsInPreviewMode) {
  SkinHarness h;
  h.dir.Write("Both.asz", Archive());
  h.WriteSkin("Both", "[EDIT]\nCOLOR=77\n");
  h.Load("Both");
  EXPECT_TRUE(h.store.SkinIsPacked);
  h.settings.PreviewMode = true;
  h.Load("Both");
  EXPECT_FALSE(h.store.SkinIsPacked);
  EXPECT_EQ(h.Section("EDIT").Color, 77u);
}

class BuiltInSkins : public ::testing::Test {
 protected:
  BuiltInSkins() {
    h.settings.InternalSkins = &skins;
    for (const char* name : {"First", "Second"}) {
      TsStoredSkin& skin = skins.Add();
      skin.Name = std::u16string(name, name + std::char_traits<char>::length(name));
      skin.PackedData = io::TMemoryStream(Archive());
    }
  }
  TsStoredSkins skins;
  SkinHarness h;
};

TEST_F(BuiltInSkins, MissingFolderFallsToTheNamedOrFirstBuiltInSkin) {
  h.Load("Second");
  EXPECT_TRUE(h.store.SkinIsPacked);
  EXPECT_EQ(h.settings.SkinName, u"Second");
  EXPECT_TRUE(h.store.SkinData->SkinPath.empty());
  h.Load("Unknown");
  EXPECT_EQ(h.settings.SkinName, u"First");
  EXPECT_EQ(h.Section("EDIT").Color, 5u);
  EXPECT_TRUE(h.settings.Active);
}

TEST_F(BuiltInSkins, EmptyDataOrNoneAtAllTurnsTheStoreOff) {
  skins.Items(0).PackedData = io::TMemoryStream();
  h.Load("First");
  EXPECT_FALSE(h.settings.Active);
  h.settings.Active = true;
  h.settings.InternalSkins = nullptr;
  h.Load("Nothing");
  EXPECT_FALSE(h.settings.Active);
  EXPECT_TRUE(h.messages.empty());
}

TEST_F(BuiltInSkins, CollectionFindsCopiesAndReportsChanges) {
  int changes = 0;
  skins.OnChange = [&changes] { ++changes; };
  EXPECT_EQ(skins.IndexOf(u"Second"), 1);
  EXPECT_EQ(skins.IndexOf(u"second"), -1);
  TsStoredSkin& copy = skins.Add();
  skins.Items(1).Author = "Maker";
  skins.Items(1).MasterBitmap = std::make_unique<image::TWorkingBitmap>(3, 2);
  copy.Assign(skins.Items(1));
  EXPECT_EQ(copy.Name, u"Second");
  EXPECT_EQ(copy.Author, "Maker");
  EXPECT_EQ(copy.Shadow1Blur, -1);
  EXPECT_EQ(copy.BorderColor, 0xFF00FFu);
  EXPECT_EQ(copy.PackedData.Bytes(), Archive());
  ASSERT_TRUE(copy.MasterBitmap);
  EXPECT_EQ(copy.MasterBitmap->Width(), 3);
  EXPECT_EQ(skins.IndexOf(u"Second"), 1) << "the first item of a name";
  skins.Delete(0);
  EXPECT_EQ(skins.IndexOf(u"Second"), 0);
  EXPECT_EQ(changes, 2);
}

TEST(HandedOverSkin, DescriptionInMemoryWinsOverTheFolder) {
  SkinHarness h;
  h.WriteSkin("Live", "[EDIT]\nCOLOR=1\n", {{"e.bmp", SolidBmp(9, 6, 0)}});
  h.settings.HandedOverOptions = "[EDIT]\nCOLOR=2\nBORDERSMASK=e.bmp\n";
  h.Load("Live");
  EXPECT_EQ(h.Section("EDIT").Color, 2u);
  EXPECT_NE(h.Part("EDIT", "BORDERSMASK"), nullptr) << "its files still come from the skin folder";
}

TEST_F(BuiltInSkins, ExtractionWritesTheArchiveOrSaysWhy) {
  h.store.ExtractInternalSkin(u"Second", h.dir.Path());
  auto written = ReadWholeFile(h.dir.Path() + u"\\Second extracted.asz");
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, Archive());
  h.store.ExtractInternalSkin(u"Second", h.dir.Path() + u"\\missing");
  h.store.ExtractInternalSkin(u"Third", h.dir.Path());
  h.dir.Write("file", "x");
  const std::u16string blocked = h.dir.Path() + u"\\file\\sub";
  h.store.ExtractByIndex(0, blocked);
  const std::vector<std::string> expected = {"Directory does not exists.", "Skin does not exists.",
                                             "Directory " + std::string(blocked.begin(), blocked.end()) +
                                                 "\\ creation error."};
  std::vector<std::string> shown;
  for (const auto& [kind, text] : h.messages) {
    EXPECT_EQ(kind, TMessageKind::mkError);
    shown.push_back(text);
  }
  EXPECT_EQ(shown, expected);
}

TEST_F(BuiltInSkins, ListsFoldersArchivesAndBuiltInSkins) {
  h.WriteSkin("Blue", "[EDIT]\n");
  h.dir.MakeFolder("Empty");
  h.dir.MakeFolder(".hidden");
  h.dir.Write(".hidden/Options.dat", "[EDIT]\n");
  h.dir.Write("Red.asz", Archive());
  h.dir.Write("Green.ASZ", Archive());
  h.dir.Write("My.Skin.asz", Archive());
  const struct {
    TacSkinTypes type;
    bool external;
    std::vector<std::u16string> names;
  } cases[] = {
      {stAllSkins, true, {u"Blue", u"My", u"Red"}},
      {stPacked, true, {u"My", u"Red"}},
      {stUnpacked, true, {u"Blue"}},
      {stUnpacked, false, {u"Blue", u"First", u"Second"}},
  };
  for (const auto& c : cases) {
    std::vector<std::u16string> list;
    const std::u16string first = c.external ? h.store.GetExternalSkinNames(list, c.type)
                                            : h.store.GetSkinNames(list, c.type);
    EXPECT_EQ(list, c.names);
    EXPECT_EQ(first.empty(), list.empty());
  }
  std::vector<std::u16string> list;
  EXPECT_EQ(h.store.GetSkinNames(list, stAllSkins), u"First") << "the first name added, before sorting";
  const std::u16string random = h.store.GetRandomSkin();
  EXPECT_NE(std::find(list.begin(), list.end(), random), list.end());
  TSkinServices services;
  services.IsHiddenOrSystem = [](const std::u16string& path) { return path.ends_with(u"Red.asz"); };
  TsSkinStore hiding(services, h.settings);
  hiding.GetExternalSkinNames(list, stPacked);
  EXPECT_EQ(list, std::vector<std::u16string>{u"My"}) << "hidden and system entries are passed over";
}

TEST(SkinDirectory, ResolvesAgainstTheProgramFolder) {
  TSkinSettings settings;
  TSkinServices services;
  services.ProgramFolder = u"C:\\Apps\\Prog\\";
  TsSkinStore store(services, settings);
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"Skins", u"C:\\Apps\\Prog\\Skins"},       {u"..\\Skins", u"C:\\Apps\\Skins"},
      {u"../Skins", u"C:\\Apps\\Skins"},          {u".\\Skins", u"C:\\Apps\\Prog\\Skins"},
      {u"./Skins", u"C:\\Apps\\Prog\\Skins"},     {u"c:\\Skins", u"c:\\Skins"},
      {u"\\\\server\\Skins", u"\\\\server\\Skins"}, {u"..\\..\\Skins", u"C:\\Apps\\..\\Skins"},
  };
  for (const auto& [dir, full] : cases) {
    settings.SkinDirectory = dir;
    EXPECT_EQ(store.GetFullSkinDirectory(), full);
  }
  const std::pair<std::u16string, std::u16string> archives[] = {
      {u"D", u"D:\\Air.asz"}, {u"Skins/", u"Skins\\Air.asz"}, {u"Skins", u"Skins\\Air.asz"}, {u"x\\", u"x\\Air.asz"}};
  for (const auto& [dir, path] : archives) {
    settings.SkinDirectory = dir;
    EXPECT_EQ(store.ArchivePath(u"Air"), path);
  }
  TsSkinStore empty(TSkinServices{}, settings);
  std::vector<std::u16string> list;
  settings.SkinDirectory = u"Z:\\no\\such\\folder";
  EXPECT_EQ(empty.GetRandomSkin(), u"");
}

}  // namespace
}  // namespace zelvan::store
