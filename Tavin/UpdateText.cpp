#include "Tavin/UpdateText.h"

#include <cstdint>
#include <iterator>

#include "Tavin/Translate.h"

namespace {

struct TUpdateTexts {
  const wchar_t* language;
  const wchar_t* sentences[3];
  const wchar_t* status;
  const wchar_t* yes;
  const wchar_t* no;
};

// The last row is the fallback for every other language.
constexpr TUpdateTexts kTexts[] = {
    {L"ko",
     {L"업데이트 정보가 있습니다.", L"안정적으로 사용하기 위해 업데이트를 하시길 권장합니다.",
      L"다운로드 받으시겠습니까?"},
     L"업데이트 가능", L"예", L"아니오"},
    {L"ja",
     {L"このプログラムがアップデートされました。",
      L"安定的に使用するために新しくダウンロード\u00B7実行することをお勧めします。",
      L"ダウンロードしますか。"},
     L"アップデート可", L"はい", L"いいえ"},
    {L"zh", {L"该程序已更新。", L"建议下载并执行新程序以稳定使用。", L"您要下载吗\uFF1F"},
     L"可更新", L"是", L"否"},
    {L"de",
     {L"Dieses Programm ist aktualisiert worden.",
      L"Es wird empfohlen, es herunterzuladen und neu auszuführen, um es stabil zu verwenden.",
      L"Möchten Sie es herunterladen?"},
     L"Update möglich", L"Ja", L"Nein"},
    {L"ru",
     {L"Данная программа была обновлена.",
      L"Рекомендуется скачать и выполнить новое для стабильного использования.",
      L"Вы хотите загрузить ее?"},
     L"Обновление", L"Да", L"Нет"},
    {L"it",
     {L"È disponibile una nuova versione del programma.",
      L"Ti suggeriamo di scaricare ed aggiornare il programma.",
      L"Vuoi scaricare la nuova versione del programma?"},
     L"Aggiornabile", L"Sì", L"No"},
    {L"fr",
     {L"Ce programme a été mis à jour.",
      L"Il est recommandé de télécharger et d'exécuter la nouvelle version pour une utilisation "
      L"stable.",
      L"Voulez-vous le télécharger?"},
     L"Maj dispo", L"Oui", L"Non"},
    {nullptr,
     {L"This program has been updated.",
      L"It is recommended to download and execute new for stable use.",
      L"Do you want to download it?"},
     L"Update available", L"Yes", L"No"},
};

const TUpdateTexts& TextsFor(const std::wstring& language) {
  for (const TUpdateTexts& texts : kTexts) {
    // Exact comparison: "KO" or "ko-KR" is not a code this program ever sets.
    if (!texts.language || language == texts.language) return texts;
  }
  return kTexts[std::size(kTexts) - 1];
}

}  // namespace

std::wstring GetUpdateText(int kind) {
  const TUpdateTexts& texts = TextsFor(CurrentLanguage);
  switch (kind) {
    case kUpdateMessage: {
      // Two carriage returns: the dialog draws each as a line break, which leaves an
      // empty line between the sentences.
      std::wstring message = texts.sentences[0];
      message += L"\r\r";
      message += texts.sentences[1];
      message += L"\r\r";
      message += texts.sentences[2];
      return message;
    }
    case kUpdateStatus:
      return texts.status;
    case kUpdateYes:
      return texts.yes;
    case kUpdateNo:
      return texts.no;
    default:
      return {};
  }
}

int ScaleAt96(int value, int dpi) {
  const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
  const std::int64_t magnitude = (product < 0 ? -product : product) + 48;
  return static_cast<int>(product < 0 ? -(magnitude / 96) : magnitude / 96);
}

TNoticeAreaGeometry NoticeAreaGeometry(int offset, int dpi, int outerWidth, int outerHeight) {
  TNoticeAreaGeometry geometry;
  geometry.growth = ScaleAt96(40 - offset, dpi);
  const int height = outerHeight + geometry.growth;
  geometry.separatorLeft = 0;
  geometry.separatorTop = height - ScaleAt96(76 - offset, dpi);
  geometry.separatorWidth = outerWidth;
  geometry.separatorHeight = 1;
  geometry.controlLeft = ScaleAt96(10, dpi);
  geometry.controlTop = height - ScaleAt96(66 - offset, dpi);
  geometry.controlWidth = outerWidth;
  return geometry;
}
