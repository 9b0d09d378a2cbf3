// The update dialog's own texts in every language, the choice of language, and where
// the notice area goes at two resolutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Tavin/Translate.h"
#include "Tavin/UpdateText.h"
#include "tests/support/ScopedSettings.h"

namespace {

class UpdateText : public testing::Test {
  ScopedSettings settings_;
};

struct LanguageTexts {
  const wchar_t* language;
  std::wstring message;
  std::wstring status, yes, no;
};

std::wstring Message(const wchar_t* first, const wchar_t* second, const wchar_t* third) {
  return std::wstring(first) + L"\r\r" + second + L"\r\r" + third;
}

const std::vector<LanguageTexts>& Table() {
  static const std::vector<LanguageTexts> table = {
      {L"ko",
       Message(L"업데이트 정보가 있습니다.", L"안정적으로 사용하기 위해 업데이트를 하시길 권장합니다.",
               L"다운로드 받으시겠습니까?"),
       L"업데이트 가능", L"예", L"아니오"},
      {L"ja",
       Message(L"このプログラムがアップデートされました。",
               L"安定的に使用するために新しくダウンロード·実行することをお勧めします。",
               L"ダウンロードしますか。"),
       L"アップデート可", L"はい", L"いいえ"},
      {L"zh", Message(L"该程序已更新。", L"建议下载并执行新程序以稳定使用。", L"您要下载吗？"),
       L"可更新", L"是", L"否"},
      {L"de",
       Message(L"Dieses Programm ist aktualisiert worden.",
               L"Es wird empfohlen, es herunterzuladen und neu auszuführen, um es stabil zu verwenden.",
               L"Möchten Sie es herunterladen?"),
       L"Update möglich", L"Ja", L"Nein"},
      {L"ru",
       Message(L"Данная программа была обновлена.",
               L"Рекомендуется скачать и выполнить новое для стабильного использования.",
               L"Вы хотите загрузить ее?"),
       L"Обновление", L"Да", L"Нет"},
      {L"it",
       Message(L"È disponibile una nuova versione del programma.",
               L"Ti suggeriamo di scaricare ed aggiornare il programma.",
               L"Vuoi scaricare la nuova versione del programma?"),
       L"Aggiornabile", L"Sì", L"No"},
      {L"fr",
       Message(L"Ce programme a été mis à jour.",
               L"Il est recommandé de télécharger et d'exécuter la nouvelle version pour une "
               L"utilisation stable.",
               L"Voulez-vous le télécharger?"),
       L"Maj dispo", L"Oui", L"Non"},
      {L"en",
       Message(L"This program has been updated.",
               L"It is recommended to download and execute new for stable use.",
               L"Do you want to download it?"),
       L"Update available", L"Yes", L"No"},
  };
  return table;
}

TEST_F(UpdateText, EveryLanguageHasItsFourTextsExactly) {
  for (const LanguageTexts& row : Table()) {
    SCOPED_TRACE(testing::Message() << "language index " << (&row - Table().data()));
    CurrentLanguage = row.language;
    EXPECT_EQ(GetUpdateText(kUpdateMessage), row.message);
    EXPECT_EQ(GetUpdateText(kUpdateStatus), row.status);
    EXPECT_EQ(GetUpdateText(kUpdateYes), row.yes);
    EXPECT_EQ(GetUpdateText(kUpdateNo), row.no);
    EXPECT_EQ(GetUpdateText(4), L"");
    EXPECT_EQ(GetUpdateText(-1), L"");
  }
}

TEST_F(UpdateText, CodesWithoutTextsOfTheirOwnGetEnglishAndOnlyExactCodesMatch) {
  const std::wstring english = Table().back().message;
  for (const wchar_t* code : {L"en", L"ar", L"", L"KO", L"ko-KR", L"d", L"dee"}) {
    CurrentLanguage = code;
    EXPECT_EQ(GetUpdateText(kUpdateMessage), english) << "code " << code;
    EXPECT_EQ(GetUpdateText(kUpdateYes), L"Yes");
  }
  // German is not one of the translation table's languages, yet has its own texts here.
  CurrentLanguage = L"de";
  EXPECT_EQ(GetUpdateText(kUpdateStatus), L"Update möglich");
}

TEST_F(UpdateText, TheMessageHoldsTwoBareCarriageReturnPairsAndTheWideCharacters) {
  CurrentLanguage = L"ja";
  const std::wstring japanese = GetUpdateText(kUpdateMessage);
  EXPECT_NE(japanese.find(L'\u00B7'), std::wstring::npos);
  EXPECT_EQ(japanese.find(L'\n'), std::wstring::npos);
  const size_t first = japanese.find(L"\r\r");
  ASSERT_NE(first, std::wstring::npos);
  EXPECT_NE(japanese.find(L"\r\r", first + 2), std::wstring::npos);
  EXPECT_EQ(std::count(japanese.begin(), japanese.end(), L'\r'), 4);
  CurrentLanguage = L"zh";
  EXPECT_EQ(GetUpdateText(kUpdateMessage).back(), L'\uFF1F');
}

TEST(NoticeArea, GrowsAndPlacesItsPartsFromTheGrownOuterHeight) {
  struct Case {
    int offset, dpi, width, height;
    int growth, separatorTop, controlLeft, controlTop;
  };
  const Case cases[] = {
      // The main window's offset: 30 more, separator 66 and control 56 above the edge.
      {10, 96, 400, 200, 30, 230 - 66, 10, 230 - 56},
      // No offset: 40 more, 76 and 66 above the edge.
      {0, 96, 400, 200, 40, 240 - 76, 10, 240 - 66},
      // 150 %: every distance scaled, the hairline and the width not.
      {10, 144, 600, 300, 45, 345 - 99, 15, 345 - 84},
      {0, 144, 600, 300, 60, 360 - 114, 15, 360 - 99},
      // 125 %: 37.5 and 82.5 round away from zero as MulDiv does.
      {10, 120, 500, 250, 38, 288 - 83, 13, 288 - 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.offset << " dpi " << c.dpi);
    const TNoticeAreaGeometry g = NoticeAreaGeometry(c.offset, c.dpi, c.width, c.height);
    EXPECT_EQ(g.growth, c.growth);
    EXPECT_EQ(g.separatorLeft, 0);
    EXPECT_EQ(g.separatorTop, c.separatorTop);
    EXPECT_EQ(g.separatorWidth, c.width);
    EXPECT_EQ(g.separatorHeight, 1);
    EXPECT_EQ(g.controlLeft, c.controlLeft);
    EXPECT_EQ(g.controlTop, c.controlTop);
    EXPECT_EQ(g.controlWidth, c.width);
  }
}

TEST(NoticeArea, ScalingRoundsHalvesAwayFromZeroOnBothSides) {
  EXPECT_EQ(ScaleAt96(1, 144), 2);    // 1.5
  EXPECT_EQ(ScaleAt96(-1, 144), -2);  // an offset above 40 shrinks the dialog
  EXPECT_EQ(ScaleAt96(-30, 120), -38);
  EXPECT_EQ(ScaleAt96(0, 144), 0);
  EXPECT_EQ(ScaleAt96(7, 96), 7);
}

}  // namespace
