#include "Tolvane/dictionary/LanguageTable.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <stdexcept>

#include "Tolvane/Tolvane.h"

using namespace Tolvane;

namespace {

// The texts as they read, in UTF-8, converted here with the system's iconv
// into each row's code page; rows whose bytes are given exactly (right to
// left and double-byte) are listed as those bytes instead.
struct Row {
  TLangName language;
  int codePage;
  const char* texts[kCaptionSlots];
  bool exactBytes;
};

const Row kExpected[] = {
    {lnArabic, 1256, {"\xE4\xDA\xE3", "\xE1\xC7", "\xE3\xE6\xC7\xDD\xDE", "\xC5\xE1\xDB\xC7\xC1\x20\xC7\xE1\xC3\xE3\xD1", "\xCA\xDA\xE1\xED\xE3\xC7\xCA", "\xC5\xCD\xC8\xC7\xD8", "\xC5\xDA\xC7\xCF\xC9\x20\xC7\xE1\xE3\xCD\xC7\xE6\xE1\xC9", "\xCA\xCC\xC7\xE5\xE1", "\xC7\xE1\xDF\xE1", "\xE3\xE6\xC7\xDD\xDE", "\xC5\xE1\xDB\xC7\xC1\x20\xC7\xE1\xC3\xE3\xD1"}, true},
    {lnCatalan, 1252, {"Sí", "No", "D'acord", "Cancel·la", "Ajuda", "Abort", "Retry", "Omet", "Tot", "D'acord", "Cancel·la"}, false},
    {lnChinese, 936, {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All", "OK", "Cancel"}, false},
    {lnCzech, 1250, {"Ano", "Ne", "OK", "Storno", "Nápověda", "Přerušit", "Znovu", "Ignorovat", "Vše", "OK", "Storno"}, false},
    {lnDanish, 1252, {"Ja", "Nej", "OK", "Annuller", "Hjælp", "Afbryd", "Forsøg igen", "Ignorer", "Alle", "OK", "Annuller"}, false},
    {lnDutch, 1252, {"Ja", "Nee", "OK", "Annuleren", "Help", "Afbreken", "Nogmaals", "Negeren", "Alles", "OK", "Annuleren"}, false},
    {lnEnglish, 1252, {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All", "OK", "Cancel"}, false},
    {lnFinnish, 1252, {"Kyllä", "Ei", "OK", "Peruuta", "Ohje", "Keskeytä", "Yritä uudelleen", "Ohita", "Kaikki", "OK", "Peruuta"}, false},
    {lnFrench, 1252, {"Oui", "Non", "OK", "Annuler", "Aide", "Abandon", "Réessayer", "Ignorer", "Tout", "OK", "Annuler"}, false},
    {lnGerman, 1252, {"Ja", "Nein", "OK", "Abbrechen", "Hilfe", "Abbruch", "Wiederholen", "Ignorieren", "Alles", "OK", "Abbrechen"}, false},
    {lnGreek, 1253, {"Ναι", "Όχι", "OK", "Άκυρο", "Βοήθεια", "Ματαίωση", "Επανάληψη", "Παράβλεψη", "Όλα", "OK", "Άκυρο"}, false},
    {lnHebrew, 1255, {"\xEB\xEF", "\xEC\xE0", "\xE0\xE9\xF9\xE5\xF8", "\xE1\xE9\xE8\xE5\xEC", "\xF2\xE6\xF8\xE4", "\xE1\xE8\xEC", "\xF0\xF1\xE4\x20\xF9\xF0\xE9\xFA", "\xE4\xFA\xF2\xEC\xED", "\xE4\xEB\xEC", "\xE0\xE9\xF9\xE5\xF8", "\xE1\xE9\xE8\xE5\xEC"}, true},
    {lnHungary, 1250, {"Igen", "Nem", "OK", "Mégse", "Súgó", "Leállítás", "Újra", "Mellőzés", "Minden", "OK", "Mégse"}, false},
    {lnItalian, 1252, {"Sì", "No", "OK", "Annulla", "? ", "Termina", "Riprova", "Ignora", "Tutto", "OK", "Annulla"}, false},
    {lnJapan, 932, {"\xCD\x82\xA2", "\xA2\x20", "\x4F\x4B", "\xB7\xAC\xDD\xBE\xD9", "\x7C\x20\xCD\xD9\xCC\xDF", "\x92\x86\x8E\x7E", "\x8D\xC4\x8E\x8E\x8D\x73", "\x96\xB3\x8E\x8B", "\x82\xB7\x82\xD7\x82\xC4", "\x4F\x4B", "\xB7\xAC\xDD\xBE\xD9"}, true},
    {lnKorean, 949, {"\xBF\xB9", "\xBE\xC6\xB4\xCF\xBF\xC0", "\xC8\xAE\xC0\xCE", "\xC3\xEB\xBC\xD2", "\xB5\xB5\xBF\xF2\xB8\xBB", "\xC1\xDF\xB4\xDC", "\xC0\xE7\xBD\xC3\xB5\xB5", "\xB9\xAB\xBD\xC3", "\xC0\xFC\xC3\xBC", "\xC8\xAE\xC0\xCE", "\xC3\xEB\xBC\xD2"}, true},
    {lnNorway, 1252, {"Ja", "Nei", "OK", "Avbryt", "Hjelp", "Avbryt", "Prøv på nytt", "Ignorer", "Alt", "OK", "Avbryt"}, false},
    {lnPolish, 1250, {"Tak", "Nie", "OK", "Anuluj", "Pomoc", "Przerwij", "Ponów", "Zignoruj", "Wszystkie", "OK", "Anuluj"}, false},
    {lnRussian, 1251, {"Да", "Нет", "ОК", "Отмена", "Справка", "Прервать", "Повторить", "Пропустить", "всех", "ОК", "Отмена"}, false},
    {lnSlovak, 1250, {"Áno", "Nie", "OK", "Zrušiť", "Pomocník", "Prerušiť", "Znova", "Ignorovať", "Všetko", "OK", "Zrušiť"}, false},
    {lnSlovenia, 1250, {"Da", "Ne", "V redu", "Prekliči", "Pomoč", "Prekini", "Ponovi", "Prezri", "Vse", "V redu", "Prekliči"}, false},
    {lnSpanish, 1252, {"Sí", "No", "Aceptar", "Cancelar", "Ayuda", "Anular", "Reintentar", "Omitir", "Todo", "Aceptar", "Cancelar"}, false},
    {lnSwedish, 1252, {"Ja", "Nej", "OK", "Avbryt", "Hjälp", "Avsluta", "Försök igen", "Ignorera", "Alla", "OK", "Avbryt"}, false},
    {lnTaiwanese, 950, {"\xAC\x4F", "\xA7\x5F", "\xBD\x54\xA9\x77", "\xA8\xFA\xAE\xF8", "\xBB\xA1\xA9\xFA", "\xA9\xF1\xB1\xF3", "\xAD\xAB\xB8\xD5", "\xB2\xA4\xB9\x4C", "\xA9\xD2\xA6\xB3", "\xBD\x54\xA9\x77", "\xA8\xFA\xAE\xF8"}, true},
    {lnTurkish, 1254, {"Evet", "Hayır", "Tamam", "İptal", "Yardım", "Durdur", "Yeniden Dene", "Yoksay", "Tümü", "Tamam", "İptal"}, false},
};

std::string ToCodePage(const std::string& utf8, int codePage) {
  const std::string name = "CP" + std::to_string(codePage);
  iconv_t cd = ::iconv_open(name.c_str(), "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to " + name);
  std::string in = utf8, out(utf8.size() * 4 + 4, '\0');
  char* inp = in.data();
  char* outp = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  const size_t r = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
  ::iconv_close(cd);
  if (r == static_cast<size_t>(-1)) throw std::runtime_error("iconv failed for " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

TEST(LanguageTable, EveryTextByteForByte) {
  ASSERT_EQ(std::size(kExpected), 25u);
  for (const Row& row : kExpected) {
    EXPECT_EQ(LangCodePage(row.language), row.codePage) << LangNameIdentifier(row.language);
    const char* const* texts = LanguageRow(row.language);
    ASSERT_NE(texts, nullptr);
    for (int slot = 0; slot < kCaptionSlots; ++slot) {
      const std::string expected = row.exactBytes ? row.texts[slot] : ToCodePage(row.texts[slot], row.codePage);
      EXPECT_EQ(texts[slot], expected) << LangNameIdentifier(row.language) << " slot " << slot + 1;
    }
  }
}

TEST(LanguageTable, RowsHoldTheirInvariants) {
  EXPECT_EQ(LanguageRow(lnUser), nullptr);
  EXPECT_EQ(LanguageRow(static_cast<TLangName>(26)), nullptr);
  int bars = 0;
  for (int ordinal = 1; ordinal <= 25; ++ordinal) {
    const char* const* texts = LanguageRow(static_cast<TLangName>(ordinal));
    EXPECT_STREQ(texts[9], texts[2]);
    EXPECT_STREQ(texts[10], texts[3]);
    for (int slot = 0; slot < kCaptionSlots; ++slot) {
      const std::string text = texts[slot];
      EXPECT_GE(text.size(), 2u);
      EXPECT_LE(text.size(), 15u);
      EXPECT_EQ(text.find_first_of("&\t\\\r\n"), std::string::npos) << ordinal << "/" << slot;
      bars += static_cast<int>(std::count(text.begin(), text.end(), '|'));
    }
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(LanguageRow(lnJapan)[4][0], '|');
}
