#include "classlib/IniFile.h"

#include "classlib/ProfileFile.h"
#include "platform/DurableFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace velkor {

class IniItem
{
public:
    std::string my_name;
    std::optional<std::string> my_value; // none: looked up and not in the file
    bool my_loaded = false;
    bool my_dirty = false;
    std::unique_ptr<IniItem> my_next;
};

class IniGroup
{
public:
    IniFile* my_file = nullptr;
    std::string my_name;
    std::unique_ptr<IniItem> my_first_item;
    std::unique_ptr<IniGroup> my_next;
};

namespace {

// Passed as the default of a raw read: no stored value equals it, so getting it back means absent.
constexpr char kAbsentMarker[] = {' ', 'D', 'E', '\xFF', 'F', 'A', '\xFE', 'U', 'L', 'T', '\x80'};
constexpr int kAbsentMarkerLength = sizeof kAbsentMarker;
constexpr int kFirstReadSize = 256;

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading decimal number of text, which starts with a digit or "-" and a digit; a number
// too large for an int gives the nearest int instead of overflowing.
int leading_number(const char* text)
{
    bool negative = *text == '-';
    if (negative)
        ++text;
    long long value = 0;
    for (; is_digit(*text); ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

// Unlinks a chain node by node, so a long chain cannot exhaust the stack.
template <typename Node> void destroy_chain(std::unique_ptr<Node>& head)
{
    while (head)
        head = std::move(head->my_next);
}

} // namespace

IniFile::IniFile() = default;

IniFile::~IniFile()
{
    clear();
}

void IniFile::clear()
{
    for (IniGroup* g = my_first_group.get(); g; g = g->my_next.get())
        destroy_chain(g->my_first_item);
    destroy_chain(my_first_group);
}

IniGroup* IniFile::find_group(const std::string& section)
{
    for (IniGroup* g = my_first_group.get(); g; g = g->my_next.get()) {
        if (same_name(g->my_name, section))
            return g;
    }
    auto group = std::make_unique<IniGroup>();
    group->my_file = this;
    group->my_name = section;
    group->my_next = std::move(my_first_group);
    my_first_group = std::move(group);
    return my_first_group.get();
}

IniItem* IniFile::find_item(IniGroup* group, const std::string& key, bool create)
{
    for (IniItem* item = group->my_first_item.get(); item; item = item->my_next.get()) {
        if (same_name(item->my_name, key))
            return item;
    }
    if (!create)
        return nullptr;
    auto item = std::make_unique<IniItem>();
    item->my_name = key;
    item->my_value = raw_read(group->my_name, key);
    item->my_loaded = item->my_value.has_value();
    item->my_next = std::move(group->my_first_item);
    group->my_first_item = std::move(item);
    return group->my_first_item.get();
}

std::optional<std::string> IniFile::raw_read(const std::string& section, const std::string& key)
{
    std::string marker(kAbsentMarker, kAbsentMarkerLength);
    marker.push_back('\0');
    std::vector<char> buffer(kFirstReadSize);
    for (;;) {
        int size = static_cast<int>(buffer.size());
        int n = std::clamp(read(section, key, marker.c_str(), buffer.data(), size), 0, size - 1);
        if (n == kAbsentMarkerLength && std::memcmp(buffer.data(), kAbsentMarker, kAbsentMarkerLength) == 0)
            return std::nullopt;
        if (n < size - 1 || size > INT_MAX / 2)
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

int IniFile::get_text(const char* section, const char* key, const char* def, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    if (!def)
        def = "";
    IniItem* item = find_item(find_group(section), key, true);
    const char* text = item->my_value ? item->my_value->data() : def;
    std::size_t length = item->my_value ? item->my_value->size() : std::strlen(def);
    int n = static_cast<int>(std::min(length, static_cast<std::size_t>(size - 1)));
    std::memcpy(buffer, text, static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

std::string IniFile::get_text(const std::string& section, const std::string& key, const std::string& def)
{
    IniItem* item = find_item(find_group(section), key, true);
    return item->my_value ? *item->my_value : def;
}

int IniFile::get_int(const std::string& section, const std::string& key, int def)
{
    char text[20];
    get_text(section.c_str(), key.c_str(), "", text, sizeof text);
    if (is_digit(text[0]) || (text[0] == '-' && is_digit(text[1])))
        return leading_number(text);
    return def;
}

void IniFile::put_text(const std::string& section, const std::string& key, const std::string& value)
{
    IniGroup* group = find_group(section);
    IniItem* item = find_item(group, key, false);
    if (!item) {
        auto created = std::make_unique<IniItem>();
        created->my_name = key;
        created->my_value = value;
        created->my_loaded = true;
        created->my_dirty = true;
        created->my_next = std::move(group->my_first_item);
        group->my_first_item = std::move(created);
        return;
    }
    item->my_loaded = true;
    if (item->my_value != value) {
        item->my_value = value;
        item->my_dirty = true;
    }
}

void IniFile::put_int(const std::string& section, const std::string& key, int value)
{
    put_text(section, key, std::to_string(value));
}

void IniFile::flush(bool write_all)
{
    if (my_read_only)
        return;
    std::vector<IniItem*> written;
    for (IniGroup* g = my_first_group.get(); g; g = g->my_next.get()) {
        for (IniItem* item = g->my_first_item.get(); item; item = item->my_next.get()) {
            if (!item->my_value || !(item->my_dirty || write_all))
                continue;
            if (written.empty())
                begin_writes();
            write(g->my_name, item->my_name, *item->my_value);
            item->my_dirty = false;
            item->my_loaded = true;
            written.push_back(item);
        }
    }
    my_last_flush_error = written.empty() ? 0 : end_writes();
    if (my_last_flush_error != 0) {
        for (IniItem* item : written)
            item->my_dirty = true;
    }
}

// The parsed file that collects the values of one flush before it is written once.
class PrivateIniFile::Batch
{
public:
    ProfileFile my_file;
    int my_load_error = 0;
};

PrivateIniFile::PrivateIniFile(std::string file_name) : my_file_name(std::move(file_name)) {}

PrivateIniFile::~PrivateIniFile()
{
    flush();
}

int PrivateIniFile::read(const std::string& section, const std::string& key, const char* def, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    ProfileFile file;
    std::optional<std::string> value;
    if (ProfileFile::load(my_file_name, file) == 0)
        value = file.get(section, key);
    std::string_view text = value ? std::string_view(*value) : std::string_view(def);
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

void PrivateIniFile::begin_writes()
{
    my_batch = std::make_unique<Batch>();
    // Loaded afresh, so that keys another copy of the program wrote since are kept.
    my_batch->my_load_error = ProfileFile::load(my_file_name, my_batch->my_file);
}

void PrivateIniFile::write(const std::string& section, const std::string& key, const std::string& value)
{
    if (my_batch) {
        my_batch->my_file.set(section, key, value);
        return;
    }
    begin_writes();
    my_batch->my_file.set(section, key, value);
    end_writes();
}

int PrivateIniFile::end_writes()
{
    std::unique_ptr<Batch> batch = std::move(my_batch);
    if (!batch)
        return 0;
    // A file that exists but cannot be read is not replaced: that would lose every other key.
    if (batch->my_load_error != 0)
        return batch->my_load_error;
    return write_file_atomically(my_file_name, batch->my_file.serialise());
}

} // namespace velkor
