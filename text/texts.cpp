// English and Japanese texts. The Japanese ones are stored as code page 932
// (Shift-JIS) bytes, so that field widths, which count bytes, line up on a
// Japanese console. Each is shown as characters in its comment.
#include "text/texts.h"

#include <cstring>

namespace text {

#define KELO_COUNT(table) (sizeof(table) / sizeof((table)[0]))

const char* const kUsageLines[] = {
    "Kelo 1.2p Usage:\n", "Kelo [-jfvq] <Files>...\n",
    "-j : Japanese\n",    "-f : Fixed file info\n",
    "-v : Verbose\n",     "-q : Quiet\n",
};
const size_t kUsageLineCount = KELO_COUNT(kUsageLines);

// が見つかりません
const char kNotFoundSuffix[] = "\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// バージョン情報が存在しません
const char kNoVersionInfo[] =
    "\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xAA\x91\xB6\x8D\xDD\x82\xB5\x82"
    "\xDC\x82\xB9\x82\xF1";
// メモリの確保に失敗しました
const char kAllocFailed[] =
    "\x83\x81\x83\x82\x83\x8A\x82\xCC\x8A\x6D\x95\xDB\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82"
    "\xB5\x82\xBD";

const FieldLabel kFieldLabels[] = {
    // 製品名
    {"ProductName", "\x90\xBB\x95\x69\x96\xBC"},
    // 製品バージョン
    {"ProductVersion", "\x90\xBB\x95\x69\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"},
    // ファイル説明
    {"FileDescription", "\x83\x74\x83\x40\x83\x43\x83\x8B\x90\xE0\x96\xBE"},
    // ファイルバージョン
    {"FileVersion", "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"},
    // 著作権告知
    {"LegalCopyright", "\x92\x98\x8D\xEC\x8C\xA0\x8D\x90\x92\x6D"},
    // 会社名
    {"CompanyName", "\x89\xEF\x8E\xD0\x96\xBC"},
    // オリジナルファイル名
    {"OriginalFilename",
     "\x83\x49\x83\x8A\x83\x57\x83\x69\x83\x8B\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC"},
    // 内部ファイル名
    {"InternalName", "\x93\xE0\x95\x94\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC"},
    // 追加情報
    {"Comments", "\x92\xC7\x89\xC1\x8F\xEE\x95\xF1"},
    // 商標告知
    {"LegalTrademarks", "\x8F\xA4\x95\x57\x8D\x90\x92\x6D"},
    // プライベートバージョン
    {"PrivateBuild",
     "\x83\x76\x83\x89\x83\x43\x83\x78\x81\x5B\x83\x67\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"},
    // 標準バージョンとの相違
    {"SpecialBuild",
     "\x95\x57\x8F\x80\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\xC6\x82\xCC\x91\x8A\x88\xE1"},
};
const size_t kFieldLabelCount = KELO_COUNT(kFieldLabels);

// 製品バージョン
const TextPair kProductVersionLabel = {"ProductVersion",
                                       "\x90\xBB\x95\x69\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"};
// ファイルバージョン
const TextPair kFileVersionLabel = {
    "FileVersion", "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"};
// 対象OS
const TextPair kFileOsLabel = {"FileOS", "\x91\xCE\x8F\xDB\x4F\x53"};
// ファイルタイプ
const TextPair kFileTypeLabel = {"FileType",
                                 "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x5E\x83\x43\x83\x76"};
// 不明
const TextPair kUnknown = {"Unknown", "\x95\x73\x96\xBE"};

// Operating systems: the texts are the same in both languages.
const ValueText kFileOsTexts[] = {
    {0x00000001, {"16bit Windows", "16bit Windows"}},
    {0x00000002, {"16bit PM", "16bit PM"}},
    {0x00000003, {"32bit PM", "32bit PM"}},
    {0x00000004, {"32bit Windows", "32bit Windows"}},
    {0x00010000, {"MS-DOS", "MS-DOS"}},
    {0x00010001, {"16bit Windows on MS-DOS", "16bit Windows on MS-DOS"}},
    {0x00010004, {"32bit Windows on MS-DOS", "32bit Windows on MS-DOS"}},
    {0x00020000, {"16bit OS/2", "16bit OS/2"}},
    {0x00020002, {"16bit PM on 16bit OS/2", "16bit PM on 16bit OS/2"}},
    {0x00030000, {"32bit OS/2", "32bit OS/2"}},
    {0x00030003, {"32bit PM on 32bit OS/2", "32bit PM on 32bit OS/2"}},
    {0x00040000, {"Windows NT", "Windows NT"}},
    {0x00040004, {"32bit Windows on Windows NT", "32bit Windows on Windows NT"}},
};
const size_t kFileOsTextCount = KELO_COUNT(kFileOsTexts);

// File types.
const ValueText kFileTypeTexts[] = {
    // アプリケーション
    {1, {"Application", "\x83\x41\x83\x76\x83\x8A\x83\x50\x81\x5B\x83\x56\x83\x87\x83\x93"}},
    // ダイナミックリンクライブラリ
    {2,
     {"Dynamic Link Library",
      "\x83\x5F\x83\x43\x83\x69\x83\x7E\x83\x62\x83\x4E\x83\x8A\x83\x93\x83\x4E\x83\x89\x83\x43\x83"
      "\x75\x83\x89\x83\x8A"}},
    // デバイスドライバ
    {3, {"Device Driver", "\x83\x66\x83\x6F\x83\x43\x83\x58\x83\x68\x83\x89\x83\x43\x83\x6F"}},
    // フォント
    {4, {"Font", "\x83\x74\x83\x48\x83\x93\x83\x67"}},
    // 仮想デバイスドライバ
    {5,
     {"Virtual Device Driver",
      "\x89\xBC\x91\x7A\x83\x66\x83\x6F\x83\x43\x83\x58\x83\x68\x83\x89\x83\x43\x83\x6F"}},
    // スタティックリンクライブラリ
    {7,
     {"Static Link Library",
      "\x83\x58\x83\x5E\x83\x65\x83\x42\x83\x62\x83\x4E\x83\x8A\x83\x93\x83\x4E\x83\x89\x83\x43\x83"
      "\x75\x83\x89\x83\x8A"}},
};
const size_t kFileTypeTextCount = KELO_COUNT(kFileTypeTexts);

// Subtypes of device drivers.
const ValueText kDriverSubtypeTexts[] = {
    // (プリンタ)
    {1, {"(Printer)", "\x28\x83\x76\x83\x8A\x83\x93\x83\x5E\x29"}},
    // (キーボード)
    {2, {"(Keyboard)", "\x28\x83\x4C\x81\x5B\x83\x7B\x81\x5B\x83\x68\x29"}},
    // (言語)
    {3, {"(Language)", "\x28\x8C\xBE\x8C\xEA\x29"}},
    // (ディスプレイ)
    {4, {"(Display)", "\x28\x83\x66\x83\x42\x83\x58\x83\x76\x83\x8C\x83\x43\x29"}},
    // (マウス)
    {5, {"(Mouse)", "\x28\x83\x7D\x83\x45\x83\x58\x29"}},
    // (ネットワーク)
    {6, {"(Network)", "\x28\x83\x6C\x83\x62\x83\x67\x83\x8F\x81\x5B\x83\x4E\x29"}},
    // (システム)
    {7, {"(System)", "\x28\x83\x56\x83\x58\x83\x65\x83\x80\x29"}},
    // (インストール可能)
    {8,
     {"(Installable)", "\x28\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x89\xC2\x94\x5C\x29"}},
    // (サウンド)
    {9, {"(Sound)", "\x28\x83\x54\x83\x45\x83\x93\x83\x68\x29"}},
    // (通信)
    {10, {"(Communication)", "\x28\x92\xCA\x90\x4D\x29"}},
};
const size_t kDriverSubtypeTextCount = KELO_COUNT(kDriverSubtypeTexts);

// Subtypes of fonts.
const ValueText kFontSubtypeTexts[] = {
    // (ラスタ)
    {1, {"(Raster)", "\x28\x83\x89\x83\x58\x83\x5E\x29"}},
    // (ベクタ)
    {2, {"(Vector)", "\x28\x83\x78\x83\x4E\x83\x5E\x29"}},
    // (TrueType)
    {3, {"(TrueType)", "\x28\x54\x72\x75\x65\x54\x79\x70\x65\x29"}},
};
const size_t kFontSubtypeTextCount = KELO_COUNT(kFontSubtypeTexts);

const ValueText* FindValueText(const ValueText* table, size_t count, uint32_t value) {
  for (size_t i = 0; i < count; ++i) {
    if (table[i].value == value) return &table[i];
  }
  return nullptr;
}

const char* JapaneseFieldLabel(const char* key) {
  for (size_t i = 0; i < kFieldLabelCount; ++i) {
    if (std::strcmp(kFieldLabels[i].key, key) == 0) return kFieldLabels[i].japanese;
  }
  return nullptr;
}

}  // namespace text
