// The 25 built-in rows of caption texts and SetLanguage, which applies one.
// Each text is stored as the bytes of its language's Windows code page; the
// component never converts them.
#include "Tolvane/dictionary/LanguageTable.h"

#include <array>

#include "Tolvane/component/Captioneer.h"

namespace Tolvane {

namespace {

using Row = std::array<const char*, kCaptionSlots>;

// Rows for the ordinals 1 to 25; texts in caption-slot order: Yes, No, OK,
// Cancel, Help, Abort, Retry, Ignore, All, OK button, Cancel button.
const std::array<Row, kLangNameCount - 1> kRows = {{
    // 1 lnArabic, code page 1256
    {"\xE4\xDA\xE3", "\xE1\xC7", "\xE3\xE6\xC7\xDD\xDE", "\xC5\xE1\xDB\xC7\xC1 \xC7\xE1\xC3\xE3\xD1", "\xCA\xDA\xE1\xED\xE3\xC7\xCA", "\xC5\xCD\xC8\xC7\xD8", "\xC5\xDA\xC7\xCF\xC9 \xC7\xE1\xE3\xCD\xC7\xE6\xE1\xC9", "\xCA\xCC\xC7\xE5\xE1", "\xC7\xE1\xDF\xE1", "\xE3\xE6\xC7\xDD\xDE", "\xC5\xE1\xDB\xC7\xC1 \xC7\xE1\xC3\xE3\xD1"},
    // 2 lnCatalan, code page 1252
    {"S\xED", "No", "D'acord", "Cancel\xB7la", "Ajuda", "Abort", "Retry", "Omet", "Tot", "D'acord", "Cancel\xB7la"},
    // 3 lnChinese, code page 936
    {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All", "OK", "Cancel"},
    // 4 lnCzech, code page 1250
    {"Ano", "Ne", "OK", "Storno", "N\xE1pov\xEC" "da", "P\xF8" "eru\x9Ait", "Znovu", "Ignorovat", "V\x9A" "e", "OK", "Storno"},
    // 5 lnDanish, code page 1252
    {"Ja", "Nej", "OK", "Annuller", "Hj\xE6lp", "Afbryd", "Fors\xF8g igen", "Ignorer", "Alle", "OK", "Annuller"},
    // 6 lnDutch, code page 1252
    {"Ja", "Nee", "OK", "Annuleren", "Help", "Afbreken", "Nogmaals", "Negeren", "Alles", "OK", "Annuleren"},
    // 7 lnEnglish, code page 1252
    {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All", "OK", "Cancel"},
    // 8 lnFinnish, code page 1252
    {"Kyll\xE4", "Ei", "OK", "Peruuta", "Ohje", "Keskeyt\xE4", "Yrit\xE4 uudelleen", "Ohita", "Kaikki", "OK", "Peruuta"},
    // 9 lnFrench, code page 1252
    {"Oui", "Non", "OK", "Annuler", "Aide", "Abandon", "R\xE9" "essayer", "Ignorer", "Tout", "OK", "Annuler"},
    // 10 lnGerman, code page 1252
    {"Ja", "Nein", "OK", "Abbrechen", "Hilfe", "Abbruch", "Wiederholen", "Ignorieren", "Alles", "OK", "Abbrechen"},
    // 11 lnGreek, code page 1253
    {"\xCD\xE1\xE9", "\xBC\xF7\xE9", "OK", "\xA2\xEA\xF5\xF1\xEF", "\xC2\xEF\xDE\xE8\xE5\xE9\xE1", "\xCC\xE1\xF4\xE1\xDF\xF9\xF3\xE7", "\xC5\xF0\xE1\xED\xDC\xEB\xE7\xF8\xE7", "\xD0\xE1\xF1\xDC\xE2\xEB\xE5\xF8\xE7", "\xBC\xEB\xE1", "OK", "\xA2\xEA\xF5\xF1\xEF"},
    // 12 lnHebrew, code page 1255
    {"\xEB\xEF", "\xEC\xE0", "\xE0\xE9\xF9\xE5\xF8", "\xE1\xE9\xE8\xE5\xEC", "\xF2\xE6\xF8\xE4", "\xE1\xE8\xEC", "\xF0\xF1\xE4 \xF9\xF0\xE9\xFA", "\xE4\xFA\xF2\xEC\xED", "\xE4\xEB\xEC", "\xE0\xE9\xF9\xE5\xF8", "\xE1\xE9\xE8\xE5\xEC"},
    // 13 lnHungary, code page 1250
    {"Igen", "Nem", "OK", "M\xE9gse", "S\xFAg\xF3", "Le\xE1ll\xEDt\xE1s", "\xDAjra", "Mell\xF5z\xE9s", "Minden", "OK", "M\xE9gse"},
    // 14 lnItalian, code page 1252
    {"S\xEC", "No", "OK", "Annulla", "? ", "Termina", "Riprova", "Ignora", "Tutto", "OK", "Annulla"},
    // 15 lnJapan, code page 932
    {"\xCD\x82\xA2", "\xA2 ", "OK", "\xB7\xAC\xDD\xBE\xD9", "| \xCD\xD9\xCC\xDF", "\x92\x86\x8E~", "\x8D\xC4\x8E\x8E\x8Ds", "\x96\xB3\x8E\x8B", "\x82\xB7\x82\xD7\x82\xC4", "OK", "\xB7\xAC\xDD\xBE\xD9"},
    // 16 lnKorean, code page 949
    {"\xBF\xB9", "\xBE\xC6\xB4\xCF\xBF\xC0", "\xC8\xAE\xC0\xCE", "\xC3\xEB\xBC\xD2", "\xB5\xB5\xBF\xF2\xB8\xBB", "\xC1\xDF\xB4\xDC", "\xC0\xE7\xBD\xC3\xB5\xB5", "\xB9\xAB\xBD\xC3", "\xC0\xFC\xC3\xBC", "\xC8\xAE\xC0\xCE", "\xC3\xEB\xBC\xD2"},
    // 17 lnNorway, code page 1252
    {"Ja", "Nei", "OK", "Avbryt", "Hjelp", "Avbryt", "Pr\xF8v p\xE5 nytt", "Ignorer", "Alt", "OK", "Avbryt"},
    // 18 lnPolish, code page 1250
    {"Tak", "Nie", "OK", "Anuluj", "Pomoc", "Przerwij", "Pon\xF3w", "Zignoruj", "Wszystkie", "OK", "Anuluj"},
    // 19 lnRussian, code page 1251
    {"\xC4\xE0", "\xCD\xE5\xF2", "\xCE\xCA", "\xCE\xF2\xEC\xE5\xED\xE0", "\xD1\xEF\xF0\xE0\xE2\xEA\xE0", "\xCF\xF0\xE5\xF0\xE2\xE0\xF2\xFC", "\xCF\xEE\xE2\xF2\xEE\xF0\xE8\xF2\xFC", "\xCF\xF0\xEE\xEF\xF3\xF1\xF2\xE8\xF2\xFC", "\xE2\xF1\xE5\xF5", "\xCE\xCA", "\xCE\xF2\xEC\xE5\xED\xE0"},
    // 20 lnSlovak, code page 1250
    {"\xC1no", "Nie", "OK", "Zru\x9Ai\x9D", "Pomocn\xEDk", "Preru\x9Ai\x9D", "Znova", "Ignorova\x9D", "V\x9A" "etko", "OK", "Zru\x9Ai\x9D"},
    // 21 lnSlovenia, code page 1250
    {"Da", "Ne", "V redu", "Prekli\xE8i", "Pomo\xE8", "Prekini", "Ponovi", "Prezri", "Vse", "V redu", "Prekli\xE8i"},
    // 22 lnSpanish, code page 1252
    {"S\xED", "No", "Aceptar", "Cancelar", "Ayuda", "Anular", "Reintentar", "Omitir", "Todo", "Aceptar", "Cancelar"},
    // 23 lnSwedish, code page 1252
    {"Ja", "Nej", "OK", "Avbryt", "Hj\xE4lp", "Avsluta", "F\xF6rs\xF6k igen", "Ignorera", "Alla", "OK", "Avbryt"},
    // 24 lnTaiwanese, code page 950
    {"\xACO", "\xA7_", "\xBDT\xA9w", "\xA8\xFA\xAE\xF8", "\xBB\xA1\xA9\xFA", "\xA9\xF1\xB1\xF3", "\xAD\xAB\xB8\xD5", "\xB2\xA4\xB9L", "\xA9\xD2\xA6\xB3", "\xBDT\xA9w", "\xA8\xFA\xAE\xF8"},
    // 25 lnTurkish, code page 1254
    {"Evet", "Hay\xFDr", "Tamam", "\xDDptal", "Yard\xFDm", "Durdur", "Yeniden Dene", "Yoksay", "T\xFCm\xFC", "Tamam", "\xDDptal"},
}};

}  // namespace

const char* const* LanguageRow(TLangName Language) {
  if (Language == lnUser || Language >= kLangNameCount) return nullptr;
  return kRows[static_cast<std::size_t>(Language) - 1].data();
}

void TCaptioneer::SetLanguage(TLangName Value) {
  FLanguage = Value;
  const char* const* row = LanguageRow(FLanguage);
  if (row == nullptr) return;
  std::array<vcl::TVarRec, kCaptionSlots> args{};
  for (int slot = 0; slot < kCaptionSlots; ++slot) args[slot] = vcl::TVarRec::AnsiStr(row[slot]);
  ReplaceCaptions(args.data(), kCaptionSlots - 1);
}

}  // namespace Tolvane
