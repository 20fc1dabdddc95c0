// The dictionary text file: one line per key, escaped key, TAB, escaped
// translation, CR LF after every line, lines in byte order.
#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
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

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

// The dictionary, indexed by key for one TranslateFrom run. Replacing an
// entry marks it dead and appends its successor, which is what deleting it
// and appending to the list does to the order of the rest; the list is
// rebuilt from the live slots at the end. Each key keeps its entries'
// positions in ascending order, so the first live one is the first match.
class KeyIndex {
 public:
  explicit KeyIndex(const vcl::TStringList& list) {
    const int count = list.Count();
    slots_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) Append(list.Strings(i), list.GetObject(i));
  }

  // Replaces the first entry that begins with Key and a bar by Key|Translation.
  void Replace(const AnsiString& key, const AnsiString& translation) {
    // A key that holds a bar matches entries of the key before that bar
    // whose translation begins with the rest of it and a bar.
    const auto bar = key.find('|');
    const std::string_view entryKey = std::string_view(key).substr(0, bar);
    auto it = keys_.find(entryKey);
    if (it == keys_.end()) return;
    Queue& queue = it->second;
    while (queue.head < queue.positions.size() && !slots_[queue.positions[queue.head]].alive) ++queue.head;
    std::size_t found = npos;
    if (bar == AnsiString::npos) {
      if (queue.head < queue.positions.size()) found = queue.positions[queue.head];
    } else {
      const AnsiString rest = key.substr(bar + 1) + "|";
      for (std::size_t q = queue.head; q < queue.positions.size() && found == npos; ++q) {
        const Slot& slot = slots_[queue.positions[q]];
        if (slot.alive && std::string_view(slot.text).substr(entryKey.size() + 1, rest.size()) == rest)
          found = queue.positions[q];
      }
    }
    if (found == npos) return;
    slots_[found].alive = false;
    Append(key + "|" + translation, nullptr);
  }

  void StoreInto(vcl::TStringList& list) const {
    vcl::TStringList rebuilt;
    rebuilt.SetCapacity(static_cast<int>(slots_.size()));
    for (const Slot& slot : slots_)
      if (slot.alive) rebuilt.AddObject(slot.text, slot.object);
    list.Swap(rebuilt);
  }

 private:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  struct Slot {
    AnsiString text;
    vcl::TObject* object;
    bool alive;
  };
  struct Queue {
    std::vector<std::size_t> positions;
    std::size_t head = 0;
  };

  void Append(const AnsiString& text, vcl::TObject* object) {
    const auto bar = text.find('|');
    slots_.push_back(Slot{text, object, true});
    if (bar == AnsiString::npos) return;  // not an entry: nothing matches it
    const std::string_view key = std::string_view(text).substr(0, bar);
    auto it = keys_.find(key);
    if (it == keys_.end()) it = keys_.emplace(AnsiString(key), Queue{}).first;
    it->second.positions.push_back(slots_.size() - 1);
  }

  std::vector<Slot> slots_;
  std::unordered_map<AnsiString, Queue, StringHash, std::equal_to<>> keys_;
};

}  // namespace

bool TCaptioneer::TranslateFrom(const AnsiString& AFileName) {
  if (!vcl::FileExists(AFileName)) return false;
  vcl::TFileStream file(AFileName, vcl::fmOpenRead);
  KeyIndex index(*FCaptions);
  AnsiString line;
  auto process = [&] {
    const auto tab = line.find('\t');
    if (tab != AnsiString::npos) {
      AnsiString key, translation;
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
