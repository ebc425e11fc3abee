// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFileReader.h"

#include "Latin1Text.h"

namespace menuwright {

namespace {

class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t n) const { return pos_ + n <= bytes_.size(); }
    std::size_t pos() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }
    std::uint8_t peek(std::size_t at) const { return bytes_[pos_ + at]; }
    std::optional<std::uint8_t> byte()
    {
        if (!has(1))
            return std::nullopt;
        return bytes_[pos_++];
    }
    bool expect(std::initializer_list<std::uint8_t> values)
    {
        for (std::uint8_t v : values) {
            const auto b = byte();
            if (!b || *b != v)
                return false;
        }
        return true;
    }
    std::optional<std::uint16_t> word()
    {
        const auto lo = byte();
        const auto hi = byte();
        if (!lo || !hi)
            return std::nullopt;
        return static_cast<std::uint16_t>(*lo | (*hi << 8));
    }
    // A length byte and three zeros, then the text and its zero byte.
    std::optional<std::string> text()
    {
        const auto length = byte();
        if (!length || *length == 0 || !expect({0, 0, 0}) || !has(*length))
            return std::nullopt;
        std::string latin1(reinterpret_cast<const char*>(bytes_.data() + pos_), *length - 1u);
        pos_ += *length - 1u;
        if (!expect({0}))
            return std::nullopt;
        return latin1ToUtf8(latin1);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

bool readRectangle(Cursor& c, MenuButton& button)
{
    const auto l = c.word(), t = c.word(), w = c.word(), h = c.word();
    if (!l || !t || !w || !h)
        return false;
    button.L = *l;
    button.T = *t;
    button.W = *w;
    button.H = *h;
    return true;
}

// Button entries (00 06) and an exit entry (00 03) until the bytes end.
bool readEntries(Cursor& c, MenuFileContents& contents)
{
    while (c.left() >= 2) {
        if (c.peek(0) != 0)
            return false;
        MenuButton button;
        if (c.peek(1) == 6) {
            c.expect({0, 6});
            const auto id = c.byte();
            if (!id || !c.expect({0}))
                return false;
            button.id = *id;
            const auto caption = c.text();
            if (!caption || !readRectangle(c, button) || !c.expect({1, 0, 0}))
                return false;
            button.caption = *caption;
        } else if (c.peek(1) == 3) {
            c.expect({0, 3});
            const auto id = c.byte();
            if (!id || !c.expect({0, 0x27, 0x1D}))
                return false;
            button.id = *id;
            const auto caption = c.text();
            if (!caption || !readRectangle(c, button) || !c.expect({0xAF, 0, 0, 0, 3, 0, 0}))
                return false;
            button.caption = *caption;
        } else {
            return false;
        }
        contents.buttons.push_back(std::move(button));
    }
    // A hangar file ends with one zero byte after its entries.
    return contents.hangar ? c.left() == 1 && c.peek(0) == 0 : c.left() == 0;
}

} // namespace

std::optional<MenuFileContents> readMenuFile(std::span<const std::uint8_t> bytes)
{
    Cursor c(bytes);
    MenuFileContents contents;
    if (bytes.empty())
        return std::nullopt;
    if (bytes[0] == 0x0D) {
        contents.hangar = true;
        if (!c.expect({0x0D, 0, 0, 0, 0, 0x80, 0x02, 0xE0, 0x01, 0x05, 0, 0, 0, 0x35, 0, 0x14}))
            return std::nullopt;
        // The last entry's zero byte is read by readEntries' end check.
    } else {
        if (!c.expect({0x0E}))
            return std::nullopt;
        const auto name = c.text();
        if (!name)
            return std::nullopt;
        contents.pictureName = *name;
        if (!c.expect({0x0D, 0, 0, 0, 0, 0x80, 0x02, 0xE0, 0x01}) || !c.byte() || !c.expect({0, 0, 0, 0x35}))
            return std::nullopt;
    }
    if (!readEntries(c, contents))
        return std::nullopt;
    return contents;
}

} // namespace menuwright
