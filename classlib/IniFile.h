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
    /// 0 when the last flush reached the file, else the errno of its failure; the values of a
    /// failed flush stay dirty, so the next flush tries them again.
    int last_flush_error() const { return my_last_flush_error; }

protected:
    /// Puts one value into the backing file.
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
    /// Returns the number of characters placed in buffer (at most size - 1); def when absent.
    virtual int read(const std::string& section, const std::string& key, const char* def, char* buffer, int size) = 0;
    /// Brackets a flush that has something to write, so a backing file can write all values of
    /// one flush at once. end_writes returns 0 or the errno of the failed write.
    virtual void begin_writes() {}
    virtual int end_writes() { return 0; }

private:
    IniGroup* find_group(const std::string& section);
    IniItem* find_item(IniGroup* group, const std::string& key, bool create);
    std::optional<std::string> raw_read(const std::string& section, const std::string& key);

    std::unique_ptr<IniGroup> my_first_group;
    bool my_read_only = false;
    int my_last_flush_error = 0;
};

/// The store on one private INI file (the program's "./velkors.ini").
class PrivateIniFile : public IniFile
{
public:
    explicit PrivateIniFile(std::string file_name);
    /// Flushes what is still dirty.
    ~PrivateIniFile() override;

    const std::string& file_name() const { return my_file_name; }

protected:
    void write(const std::string& section, const std::string& key, const std::string& value) override;
    int read(const std::string& section, const std::string& key, const char* def, char* buffer, int size) override;
    void begin_writes() override;
    int end_writes() override;

private:
    class Batch;
    std::string my_file_name;
    std::unique_ptr<Batch> my_batch;
};

} // namespace velkor
