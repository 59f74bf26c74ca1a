#pragma once
// The settings store: a cache of groups (sections) and items (keys) in front of a backing
// file. Reads go to the file at most once per key; writes stay in the cache until flush.

#include <memory>
#include <optional>
#include <string>

namespace velkor {

class IniItem;
class IniGroup;

class IniFile
{
public:
    IniFile();
    virtual ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    /// Copies the value (or the default when the key is absent) into buffer, at most size - 1
    /// characters, always terminated; returns the number of characters copied.
    int get_text(const char* section, const char* key, const char* def, char* buffer, int size);
    /// The whole value, or the default when the key is absent.
    std::string get_text(const std::string& section, const std::string& key, const std::string& def);
    /// Leading decimal number when the value starts with a digit or "-" and a digit, else def.
    int get_int(const std::string& section, const std::string& key, int def);
    /// Updates the cache only; the file changes at the next flush.
    void put_text(const std::string& section, const std::string& key, const std::string& value);
    void put_int(const std::string& section, const std::string& key, int value);
    /// Writes the dirty items (every known item when write_all) to the backing file.
    void flush(bool write_all = false);
    /// Forgets every cached group and item without writing.
    void clear();

    bool read_only() const { return my_read_only; }
    void set_read_only(bool value) { my_read_only = value; }

protected:
    /// Puts one value into the backing file.
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
    /// Returns the number of characters placed in buffer (at most size - 1); def when absent.
    virtual int read(const std::string& section, const std::string& key, const char* def, char* buffer,
                     int size) = 0;
    /// Brackets a flush, so a backing file can write all values of one flush at once.
    virtual void begin_writes() {}
    virtual void end_writes() {}

private:
    IniGroup* find_group(const std::string& section);
    IniItem* find_item(IniGroup* group, const std::string& key, bool create);
    std::optional<std::string> raw_read(const std::string& section, const std::string& key);

    IniGroup* my_first_group = nullptr;
    bool my_read_only = false;
};

} // namespace velkor
