// The dictionary text file: one line per key, escaped key, TAB, escaped
// translation, CR LF after every line, lines in byte order.
#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <string_view>
#include <vector>

#include "Tolvane/component/Captioneer.h"
#include "vcl/FileSystem.h"
#include "vcl/Forms.h"
#include "vcl/Memory.h"
#include "vcl/Stream.h"
#include "vcl/SysUtils.h"

namespace Tolvane {

using vcl::AnsiString;

namespace {

// Key and translation of an entry, split at its first bar. A string without
// a bar has an empty key and is its own translation.
struct Split {
  std::string_view key;
  std::string_view translation;
};
Split SplitEntry(std::string_view entry) {
  const auto bar = entry.find('|');
  if (bar == std::string_view::npos) return {{}, entry};
  return {entry.substr(0, bar), entry.substr(bar + 1)};
}

// The escape letter of each byte that a field cannot hold as it is; 0 for
// every other byte.
constexpr std::array<char, 256> kEscapes = [] {
  std::array<char, 256> table{};
  table['\\'] = '\\';
  table['\n'] = 'n';
  table['\r'] = 'r';
  table['\t'] = 't';
  return table;
}();

bool NeedsEscape(char c) { return kEscapes[static_cast<unsigned char>(c)] != 0; }

// Appends s with its special bytes escaped, copying the runs between them
// whole.
void AppendEscaped(AnsiString& out, std::string_view s) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char letter = kEscapes[static_cast<unsigned char>(s[i])];
    if (letter == 0) continue;
    out.append(s.data() + start, i - start);
    out += '\\';
    out += letter;
    start = i + 1;
  }
  out.append(s.data() + start, s.size() - start);
}

void AppendUnescaped(AnsiString& out, std::string_view s) {
  if (s.find('\\') == std::string_view::npos) {
    out += s;
    return;
  }
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\\' && i + 1 < s.size()) {
      const char next = s[i + 1];
      const char plain = next == '\\' ? '\\' : next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : 0;
      if (plain != 0) {
        out += plain;
        ++i;
        continue;
      }
    }
    out += c;
  }
}

// Puts the screen cursor back when the save ends, however it ends.
class HourGlass {
 public:
  HourGlass() : saved_(vcl::Screen->Cursor()) { vcl::Screen->SetCursor(vcl::crHourGlass); }
  ~HourGlass() { vcl::Screen->SetCursor(saved_); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;

 private:
  vcl::TCursor saved_;
};

// One line of the file being written, kept in a shared buffer, with its
// first eight bytes as a big-endian number so that most comparisons touch
// no string memory.
struct Line {
  std::uint64_t head;
  std::size_t offset;
  std::uint32_t length;
  std::uint32_t keyLength;
  std::uint32_t entry;  // position of the entry that made the line
};

std::uint64_t HeadOf(std::string_view s) {
  unsigned char bytes[8] = {};
  std::memcpy(bytes, s.data(), std::min<std::size_t>(s.size(), 8));
  std::uint64_t h = 0;
  for (unsigned char b : bytes) h = (h << 8) | b;
  return h;
}

}  // namespace

AnsiString TCaptioneer::WriteString(const AnsiString& S) const {
  if (std::none_of(S.begin(), S.end(), NeedsEscape)) return S;
  AnsiString out;
  out.reserve(S.size() + S.size() / 4 + 1);
  AppendEscaped(out, S);
  return out;
}

AnsiString TCaptioneer::ReadString(const AnsiString& S) const {
  AnsiString out;
  out.reserve(S.size());
  AppendUnescaped(out, S);
  return out;
}

// The file holds, for each key, the line of the key's last entry, in byte
// order of the whole line. That is what inserting every entry's line into a
// TSortList gives after dropping the line an earlier entry of the same key
// left there; here the lines are sorted once instead of inserted one by one.
// Lines of one key sort next to each other, because an escaped key holds no
// TAB, so the last entry of each key is found within its run.
void TCaptioneer::SaveTo(const AnsiString& AFileName) {
  HourGlass hourGlass;
  const int count = FCaptions->Count();
  std::size_t total = 0;
  for (int i = 0; i < count; ++i) total += FCaptions->Strings(i).size() + 1;
  AnsiString buffer;
  buffer.reserve(total + total / 8);
  vcl::AdviseLargeBuffer(buffer.data(), buffer.capacity());
  std::vector<Line> lines;
  lines.reserve(static_cast<std::size_t>(count));
  vcl::AdviseLargeBuffer(lines.data(), lines.capacity() * sizeof(Line));
  lines.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const Split split = SplitEntry(FCaptions->Strings(i));
    const std::size_t offset = buffer.size();
    AppendEscaped(buffer, split.key);
    const std::size_t keyLength = buffer.size() - offset;
    buffer += '\t';
    AppendEscaped(buffer, split.translation);
    const std::string_view text = std::string_view(buffer).substr(offset);
    lines[static_cast<std::size_t>(i)] = Line{HeadOf(text), offset, static_cast<std::uint32_t>(text.size()),
                                              static_cast<std::uint32_t>(keyLength), static_cast<std::uint32_t>(i)};
  }
  const std::string_view all(buffer);
  auto textOf = [&](const Line& line) { return all.substr(line.offset, line.length); };
  std::sort(lines.begin(), lines.end(), [&](const Line& a, const Line& b) {
    if (a.head != b.head) return a.head < b.head;
    return textOf(a) < textOf(b);
  });

  vcl::FileSystem::WriteFileAtomically(AFileName, [&](vcl::FileSystem::FileWriter& out) {
    for (std::size_t i = 0; i < lines.size();) {
      const std::string_view key = textOf(lines[i]).substr(0, lines[i].keyLength + 1);
      std::size_t last = i;
      std::size_t end = i + 1;
      for (; end < lines.size() && textOf(lines[end]).substr(0, key.size()) == key; ++end)
        if (lines[end].entry > lines[last].entry) last = end;
      out.Append(textOf(lines[last]));
      out.Append("\r\n");
      i = end;
    }
  });
}

bool TCaptioneer::LoadFrom(const AnsiString& AFileName) {
  if (!vcl::FileExists(AFileName)) return false;
  const AnsiString bytes = vcl::FileSystem::ReadWholeFile(AFileName);
  vcl::TStringList entries;
  entries.SetCapacity(static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')));
  vcl::ForEachTextLine(bytes, [&](std::string_view line) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) return;
    AnsiString entry;
    entry.reserve(line.size());
    AppendUnescaped(entry, line.substr(0, tab));
    entry += '|';
    AppendUnescaped(entry, line.substr(tab + 1));
    entries.Add(entry);
  });
  FCaptions->Swap(entries);
  return true;
}

namespace {

// The dictionary, indexed by key for one TranslateFrom run. Replacing an
// entry marks its slot dead and appends a slot for its successor, which is
// what deleting it and appending to the list does to the order of the rest;
// the list is rebuilt from the live slots once at the end. The slots of one
// key are chained in ascending position, so the first live one in its chain
// is the first match. Slots refer to the dictionary's own strings, which
// stay untouched until the rebuild; only new entries own their text.
class KeyIndex {
 public:
  explicit KeyIndex(const vcl::TStringList& list) {
    const auto count = static_cast<std::size_t>(list.Count());
    slots_.reserve(count);
    std::size_t buckets = 16;
    while (buckets < count * 2) buckets *= 2;
    buckets_.assign(buckets, kNone);
    for (int i = 0; i < list.Count(); ++i) {
      const std::string_view text = list.Strings(i);
      const auto bar = text.find('|');
      slots_.push_back(Slot{text, list.GetObject(i), kNone, true});
      if (bar == std::string_view::npos) continue;  // not an entry: nothing matches it
      Chain& chain = FindOrAddChain(text.substr(0, bar));
      Link(chain, static_cast<std::uint32_t>(slots_.size() - 1));
    }
  }

  // Replaces the first entry that begins with Key and a bar by Key|Translation.
  void Replace(std::string_view key, std::string_view translation) {
    // A key that holds a bar matches entries of the key before that bar
    // whose translation begins with the rest of it and a bar.
    const auto bar = key.find('|');
    const std::string_view entryKey = key.substr(0, bar);
    Chain* chain = FindChain(entryKey);
    if (chain == nullptr) return;
    while (chain->first != kNone && !slots_[chain->first].alive) chain->first = slots_[chain->first].next;
    std::uint32_t found = chain->first;
    if (bar != std::string_view::npos) {
      const std::string_view rest = key.substr(bar + 1);
      for (; found != kNone; found = slots_[found].next) {
        const std::string_view candidate = slots_[found].text.substr(entryKey.size() + 1);
        if (slots_[found].alive && candidate.size() > rest.size() && candidate.substr(0, rest.size()) == rest &&
            candidate[rest.size()] == '|')
          break;
      }
    }
    if (found == kNone) return;
    slots_[found].alive = false;
    AnsiString& text = owned_.emplace_back();
    text.reserve(key.size() + 1 + translation.size());
    text.append(key).append(1, '|').append(translation);
    slots_.push_back(Slot{text, nullptr, kNone, true});
    Link(*chain, static_cast<std::uint32_t>(slots_.size() - 1));
  }

  void StoreInto(vcl::TStringList& list) const {
    vcl::TStringList rebuilt;
    rebuilt.SetCapacity(static_cast<int>(slots_.size()));
    for (const Slot& slot : slots_)
      if (slot.alive) rebuilt.AddObject(AnsiString(slot.text), slot.object);
    list.Swap(rebuilt);
  }

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  struct Slot {
    std::string_view text;
    vcl::TObject* object;
    std::uint32_t next;  // the next slot of the same key
    bool alive;
  };
  struct Chain {
    std::string_view key;
    std::uint32_t first;
    std::uint32_t last;
  };

  void Link(Chain& chain, std::uint32_t slot) {
    if (chain.first == kNone)
      chain.first = slot;
    else
      slots_[chain.last].next = slot;
    chain.last = slot;
  }

  // Open addressing with linear probing over the chains.
  std::size_t BucketOf(std::string_view key) const {
    std::size_t b = std::hash<std::string_view>{}(key) & (buckets_.size() - 1);
    while (buckets_[b] != kNone && chains_[buckets_[b]].key != key) b = (b + 1) & (buckets_.size() - 1);
    return b;
  }
  Chain* FindChain(std::string_view key) {
    const std::size_t b = BucketOf(key);
    return buckets_[b] == kNone ? nullptr : &chains_[buckets_[b]];
  }
  Chain& FindOrAddChain(std::string_view key) {
    const std::size_t b = BucketOf(key);
    if (buckets_[b] == kNone) {
      buckets_[b] = static_cast<std::uint32_t>(chains_.size());
      chains_.push_back(Chain{key, kNone, kNone});
    }
    return chains_[buckets_[b]];
  }

  std::vector<Slot> slots_;
  std::vector<Chain> chains_;
  std::vector<std::uint32_t> buckets_;
  std::deque<AnsiString> owned_;  // texts of new entries; a deque never moves them
};

}  // namespace

bool TCaptioneer::TranslateFrom(const AnsiString& AFileName) {
  if (!vcl::FileExists(AFileName)) return false;
  vcl::TFileStream file(AFileName, vcl::fmOpenRead);
  KeyIndex index(*FCaptions);
  AnsiString line, key, translation;
  auto process = [&] {
    const auto tab = line.find('\t');
    if (tab != AnsiString::npos) {
      key.clear();
      translation.clear();
      AppendUnescaped(key, std::string_view(line).substr(0, tab));
      AppendUnescaped(translation, std::string_view(line).substr(tab + 1));
      index.Replace(key, translation);
    }
    line.clear();
  };
  // Entries replaced before a read error stay replaced.
  try {
    std::vector<char> buffer(1 << 16);
    for (vcl::Integer n; (n = file.Read(buffer.data(), static_cast<vcl::Integer>(buffer.size()))) > 0;) {
      const char* p = buffer.data();
      const char* end = p + n;
      while (p < end) {
        const char* stop = p;
        while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
        line.append(p, static_cast<std::size_t>(stop - p));
        if (stop == end) break;
        process();
        p = stop + 1;
      }
    }
    process();
  } catch (...) {
    index.StoreInto(*FCaptions);
    throw;
  }
  index.StoreInto(*FCaptions);
  return true;
}

}  // namespace Tolvane
