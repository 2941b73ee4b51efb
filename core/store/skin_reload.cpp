#include <string>

#include "core/store/skin_files.h"
#include "core/store/skin_loader.h"
#include "core/store/stored_skins.h"
#include "core/text/utf.h"

namespace zelvan::store {

namespace {

bool g_loading = false;

// The process-wide loading flag, cleared however the load ends.
class TLoadingFlag {
 public:
  TLoadingFlag() { g_loading = true; }
  ~TLoadingFlag() { g_loading = false; }
  TLoadingFlag(const TLoadingFlag&) = delete;
  TLoadingFlag& operator=(const TLoadingFlag&) = delete;
};

const std::u16string kOptionsFile = u"Options.dat";

std::string TextOf(const io::TMemoryStream& stream) {
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

// The folder text made to end in a backslash, unresolved.
std::u16string WithBackslash(std::u16string folder) {
  if (folder.size() == 1) return folder + u":\\";
  if (!folder.empty() && folder.back() == u'/') folder.back() = u'\\';
  if (folder.empty() || folder.back() != u'\\') folder += u'\\';
  return folder;
}

bool EndsWithAsz(const std::u16string& name) {
  if (name.size() <= 4) return false;
  std::u16string tail = name.substr(name.size() - 4);
  for (char16_t& c : tail) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return tail == u".ASZ";
}

}  // namespace

bool IsSkinLoading() { return g_loading; }

void TsSkinStore::FreeSkin() {
  ma.clear();
  pa.clear();
  gd.clear();
  MasterBitmap.reset();
  InvalidateLookups();
}

void TsSkinStore::ShowError(const std::string& text) const {
  if (services_.ShowMessage) services_.ShowMessage(TMessageKind::mkError, text);
}

std::u16string TsSkinStore::GetFullSkinDirectory() const {
  const std::u16string& dir = settings_.SkinDirectory;
  const std::u16string& program = services_.ProgramFolder;
  if (dir.starts_with(u"..")) {
    std::u16string above = program;
    if (!above.empty()) above.pop_back();
    while (!above.empty() && above.back() != u'\\' && above.back() != u'/') above.pop_back();
    return above + dir.substr(std::min<size_t>(3, dir.size()));
  }
  if (dir.starts_with(u".\\") || dir.starts_with(u"./")) return program + dir.substr(2);
  if (dir.find(u':') == std::u16string::npos && dir.find(u"\\\\") == std::u16string::npos) return program + dir;
  return dir;
}

std::u16string TsSkinStore::ArchivePath(const std::u16string& name) const {
  return WithBackslash(settings_.SkinDirectory) + name + u".asz";
}

void TsSkinStore::CheckVersion() const {
  const double version = SkinData->Version;
  if (!services_.ShowMessage || (version >= 7 && version <= 8.99)) return;
  if (version > 8.99) {
    services_.ShowMessage(TMessageKind::mkWarning,
                          "This version of the skin have not complete support by used skin engine release.\r\n"
                          "Components must be updated up to latest version for using this skin.");
  } else if (services_.TestSwitch) {
    services_.ShowMessage(TMessageKind::mkInformation,
                          "You are using an old version of the \"" + text::Utf16ToUtf8(settings_.SkinName) +
                              "\" skin. Please, update a skins to latest or link with the skin engine support for "
                              "upgrading of existing skin.\r\n\r\nThis notification occurs in design-time only for "
                              "your information and will not occur in real-time.");
  }
}

void TsSkinStore::ReloadSkin() {
  if (!settings_.Active) return;
  TLoadingFlag loading;
  SkinData->SkinPath = GetFullSkinDirectory() + u"\\" + settings_.SkinName + u"\\";
  const std::u16string options_file = SkinData->SkinPath + kOptionsFile;
  TIniFile ini;
  TacSkinConvertor reader;
  bool packed = false;
  std::optional<std::vector<uint8_t>> options;
  if (settings_.HandedOverOptions) {
    ini.SetText(*settings_.HandedOverOptions);
  } else if ((options = ReadWholeFile(options_file))) {
    ini.SetText(std::string(options->begin(), options->end()));
  } else {
    SkinData->SkinPath.clear();
    TsStoredSkins* internal = settings_.InternalSkins;
    int index = internal ? internal->IndexOf(settings_.SkinName) : -1;
    if (index < 0 && internal && internal->Count() > 0) {
      index = 0;
      settings_.SkinName = internal->Items(0).Name;
    }
    if (index < 0 || internal->Items(index).PackedData.Size() == 0) {
      settings_.Active = false;  // no skin anywhere: off without a message
      return;
    }
    reader.BorrowedData = &internal->Items(index).PackedData;
    reader.ParseFile();
    if (!reader.Options) throw EPackedSkinError("Packed skin file is damaged: no Options.dat");
    ini.SetText(TextOf(*reader.Options));
    packed = true;
  }
  SkinIsPacked = packed;
  SkinData->Version = TSkinLoader::ReadVersion(ini);
  CheckVersion();
  TSkinLoader(*this, ini, packed ? &reader : nullptr).Run();
}

void TsSkinStore::ReloadPackedSkin() {
  if (!settings_.Active) return;
  TLoadingFlag loading;
  TacSkinConvertor reader;
  if (!LoadSkinFromFile(ArchivePath(settings_.SkinName), reader, true)) {
    ReloadSkin();  // the archive went away: the folder or built-in skins decide
    return;
  }
  if (!reader.Options) throw EPackedSkinError("Packed skin file is damaged: no Options.dat");
  const TIniFile ini(TextOf(*reader.Options));
  SkinData->SkinPath = GetFullSkinDirectory() + u"\\";
  SkinIsPacked = true;
  SkinData->Version = TSkinLoader::ReadVersion(ini);
  CheckVersion();
  TSkinLoader(*this, ini, &reader).Run();
}

void TsSkinStore::LoadSkinByName(const std::u16string& name) {
  settings_.SkinName = EndsWithAsz(name) ? name.substr(0, name.size() - 4) : name;
  if (!settings_.Active) return;
  bool archive = FileExists(ArchivePath(settings_.SkinName));
  if (settings_.PreviewMode && DirectoryExists(WithBackslash(settings_.SkinDirectory) + name)) archive = false;
  if (archive) {
    ReloadPackedSkin();
  } else {
    ReloadSkin();
  }
}

}  // namespace zelvan::store
