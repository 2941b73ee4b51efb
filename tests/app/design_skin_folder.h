#pragma once
// What the main window finds in its skin folder F:\Zelvan\Skins: the tests
// run with drive F: mapped to a folder of their own and fill it per case.

#include <string>

enum class TSkinOnDriveF {
  None,              // the folder is empty: users' machines
  Folder,            // the skin folder Air
  Archive,           // Air.asz only
  ArchiveAndFolder   // Air.asz beside a folder Air described as kFolderDescription
};

// The description the folder carries where the archive sits beside it.
inline constexpr char kFolderDescription[] = "the folder beside the archive";

// For test names.
std::string SkinCaseName(TSkinOnDriveF kind);

// Fills the folder for one case; empties it again when it goes.
class TDesignSkinFolder {
 public:
  explicit TDesignSkinFolder(TSkinOnDriveF kind);
  ~TDesignSkinFolder();
  TDesignSkinFolder(const TDesignSkinFolder&) = delete;
  TDesignSkinFolder& operator=(const TDesignSkinFolder&) = delete;

  // Drive F: is there (the test runner maps it).
  static bool DriveMapped();
  // A skin is there that the window should show.
  bool Skinned() const { return FKind != TSkinOnDriveF::None; }

 private:
  TSkinOnDriveF FKind;
};
