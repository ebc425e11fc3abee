// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON vantor writes against QJsonDocument's indented text, which it
// wrote before: a script reading the old output reads the new.
#include "cli/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace vantorcli {
namespace {

using nlohmann::json;

// The value as the Qt version built it: numbers as doubles, text from UTF-8.
QJsonValue toQt(const json& value)
{
    if (value.is_array()) {
        QJsonArray array;
        for (const json& v : value)
            array.append(toQt(v));
        return array;
    }
    if (value.is_object()) {
        QJsonObject object;
        for (auto it = value.begin(); it != value.end(); ++it)
            object.insert(QString::fromStdString(it.key()), toQt(*it));
        return object;
    }
    if (value.is_string())
        return QString::fromStdString(value.get<std::string>());
    if (value.is_number())
        return value.get<double>();
    if (value.is_boolean())
        return value.get<bool>();
    return QJsonValue::Null;
}

std::string qtText(const json& value)
{
    const QJsonValue v = toQt(value);
    const QJsonDocument document = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
    return document.toJson(QJsonDocument::Indented).toStdString();
}

struct JsonCase {
    const char* name;
    json value;
};

void PrintTo(const JsonCase& c, std::ostream* os)
{
    *os << c.name;
}

class WrittenAsQtDid : public ::testing::TestWithParam<JsonCase> {};

TEST_P(WrittenAsQtDid, ByteForByte)
{
    EXPECT_EQ(jsonText(GetParam().value), qtText(GetParam().value));
}

json numbers(std::initializer_list<double> values)
{
    json array = json::array();
    for (double v : values)
        array.push_back(v);
    return array;
}

INSTANTIATE_TEST_SUITE_P(Cases, WrittenAsQtDid,
    ::testing::Values(JsonCase{"EmptyArray", json::array()}, JsonCase{"EmptyObject", json::object()},
        JsonCase{"EmptyInside", json{{"a", json::array()}, {"b", json::object()}, {"c", {json::array()}}}},
        JsonCase{
            "Nested", json::array({json{{"name", "P-51D"}, {"guns", {1, 2, {{"x", 3}}}}}, json{{"name", "Bf 109"}}})},
        JsonCase{"KeysSorted", json{{"zeta", 1}, {"Alpha", 2}, {"alpha", 3}, {"_", 4}, {"10", 5}, {"9", 6}}},
        JsonCase{"WholeNumbers", numbers({0, 1, -1, 1284, 65535, 4294967295.0, -2147483648.0, 9007199254740991.0})},
        JsonCase{"NegativeZero", numbers({-0.0})},
        JsonCase{"Fractions", numbers({0.1, -0.5, 1.0 / 3, 2.5e-7, 123456.789, 3.4028234663852886e38, 1e-300})},
        JsonCase{"FloatsWidened", numbers({static_cast<double>(0.1f), static_cast<double>(-1.7f), 1.17549435e-38})},
        JsonCase{"LargeWholeNumbers",
            numbers({9007199254740992.0, -9007199254740992.0, 9007199254740994.0, 1e16, 1.5e17, 1e20, -1e21,
                1.8446744073709552e19, 1.2345678901234568e20, 1.2345678901234568e21, 1e300})},
        JsonCase{"DecimalOrExponent",
            numbers({1234567890123456.5, -4503599627370495.5, 0.001, 0.0001, 0.00001, -0.000123, 1.5e-5, 5e-324,
                2.2250738585072014e-308, 1.7976931348623157e308})},
        JsonCase{"NotFinite",
            numbers({std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                -std::numeric_limits<double>::infinity()})},
        JsonCase{"Literals", json::array({true, false, nullptr})},
        JsonCase{"Escapes", json::array({"quote \" backslash \\ slash /", "\b\f\n\r\t", "\x01\x1f\x7f"})},
        JsonCase{"Utf8", json::array({"Caf\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x9b\xa9", "a\xef\xbb\xbf"})},
        JsonCase{"Utf8Keys", json{{"\xc3\xa9t\xc3\xa9", 1}, {"e", 2}, {"\xe2\x82\xac", 3}}},
        JsonCase{"StrayBytes", json::array({"g\xff", "\xfe\xff", "\x80", "ab\xe2\x82"})},
        JsonCase{"Overlong", json::array({"\xc0\xaf", "\xe0\x80\xaf"})},
        JsonCase{"Surrogate", json::array({"\xed\xa0\x80"})}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt dropped a byte-order mark that began a text (a file name or a name
// from a list saved by Notepad); the name is written as it is instead.
TEST(JsonText, KeepsALeadingByteOrderMark)
{
    EXPECT_EQ(jsonText(json::array({"\xef\xbb\xbfP-51"})), "[\n    \"\xef\xbb\xbfP-51\"\n]\n");
}

TEST(JsonText, ALevelIsFourSpacesAndTheTextEndsInALineEnd)
{
    EXPECT_EQ(jsonText(json{{"a", {1, "b"}}}), "{\n    \"a\": [\n        1,\n        \"b\"\n    ]\n}\n");
}

} // namespace
} // namespace vantorcli
