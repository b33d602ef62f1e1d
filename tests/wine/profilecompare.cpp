// Reads INI files through both our INI store and the system's own
// GetPrivateProfileStringA (Wine's, in scripts/test-windows) and fails on
// any lookup where the two disagree. The files are a table of the cases
// users' rota.ini files show (a byte order mark, a header with text after
// it, comments, quotes, duplicates, line ends of every kind) and a few
// thousand made at random from the pieces INI files go wrong with. Where
// the store differs on purpose, the table says how, and that is checked
// instead: a file holding a zero byte or starting as UTF-16 is refused, and
// a file with a UTF-8 byte order mark keeps its other bytes as they are
// (Windows turns UTF-8 into its ANSI code page).
//
//     profilecompare FOLDER    (the folder is made, filled and emptied)
#include "config/inifile.h"
#include "platform/fileio.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using Lookup = std::pair<std::string, std::string>; // section, key

enum class Expect {
    Same,    // every lookup gives what Windows gives
    Refused, // our store refuses the file
    Bytes,   // the lookups give the values listed (a UTF-8 file's bytes)
};

struct Case {
    const char* what;
    std::string text;
    std::vector<Lookup> lookups;
    Expect expect = Expect::Same;
    std::vector<std::string> values = {}; // for Expect::Bytes
};

const std::string kBom = "\xef\xbb\xbf";

// The lookups every table case gets besides its own.
const std::vector<Lookup> kCommon = {{"Schedule Data", "ABC AL"},
                                     {"schedule data", "abc al"},
                                     {"Game Data", "ABC"},
                                     {"S", "K"},
                                     {"s", "k"},
                                     {"S", "L"},
                                     {"T", "K"},
                                     {"", "K"},
                                     {"S", ""},
                                     {" S ", " K "}};

std::vector<Case> tableCases()
{
    return {
        {"a file that begins with a UTF-8 byte order mark",
         kBom + "[Schedule Data]\r\nABC AL=Yanks\r\nDEF NL=\r\n",
         {{"Schedule Data", "DEF NL"}}},
        {"a byte order mark before a key outside any section", kBom + "K=top\r\n[S]\r\nK=v\r\n", {}},
        {"a byte order mark alone", kBom, {}},
        {"a section header with text after it",
         "[Schedule Data] ; 2005\r\nABC AL=Yanks\r\n[Game Data]   # old\r\nABC=Sox\r\n",
         {}},
        {"a header whose name holds a bracket (the last ']' ends it)",
         "[S]x]\r\nK=1\r\n[S]\r\nK=2\r\n",
         {{"S]x", "K"}}},
        {"a header without its ']' is an entry", "[S\r\nK=1\r\n[S]\r\nK=2\r\n", {{"[S", "K"}}},
        {"blanks around the header and inside the brackets",
         "  [S]  \r\nK=1\r\n[ T ]\r\nK=2\r\n[\tU]\r\nK=3\r\n",
         {{"T", "K"}, {" T ", "K"}, {"U", "K"}}},
        {"an empty section name", "[]\r\nK=empty\r\n[S]\r\nK=v\r\n", {}},
        {"the first of duplicate keys wins", "[S]\r\nK=first\r\nk=second\r\n", {}},
        {"the first of duplicate sections wins, even for keys only the later one has",
         "[S]\r\nK=first\r\n[T]\r\nK=t\r\n[s]\r\nK=later\r\nL=only later\r\n",
         {}},
        {"blanks and tabs around '=' and the value", "[S]\r\n \t K \t = \t v a l \t \r\nL\t=\t\r\n", {}},
        {"key case and blanks inside a key",
         "[S]\r\nAbC aL=Yanks\r\nK  X=two blanks\r\n",
         {{"S", "abc al"}, {"S", "K X"}, {"S", "K  X"}}},
        {"quotes",
         "[S]\r\nK=\"quoted\"\r\nL='single'\r\nM=\"open\r\nN=\"\r\nO=\"\"\r\nP=\" in \"\r\nQ=\"a\"b\"\r\nR='x\"\r\n",
         {{"S", "M"}, {"S", "N"}, {"S", "O"}, {"S", "P"}, {"S", "Q"}, {"S", "R"}}},
        {"lines without '='", "[S]\r\nK\r\nL=\r\nlone words here\r\n", {{"S", "lone words here"}}},
        {"LF line ends", "[S]\nK=lf\n[T]\nK=t\n", {}},
        {"CR line ends", "[S]\rK=cr\r[T]\rK=t\r", {}},
        {"mixed line ends and blank lines", "\r\n\n[S]\n\r\r\nK=mixed\n\n\rL=x", {}},
        {"no line end after the last line", "[S]\r\nK=last", {}},
        {"text after ';' is part of the value", "[S]\r\nK=Yanks ; since 1913\r\nL=a;b\r\n", {}},
        {"a line that starts with ';' is an entry like any other",
         "[S]\r\n;K=comment\r\nK=v\r\n",
         {{"S", ";K"}, {"S", ";k"}}},
        {"'=' in the value and in the key", "[S]\r\nK=a=b\r\n=only value\r\n", {{"S", "a"}}},
        {"keys before any section", "K=top\r\nL\r\n[S]\r\nK=v\r\n", {{"", "L"}}},
        {"a section that ends the file", "[S]\r\nK=v\r\n[T]", {{"T", "K"}}},
        {"a key that looks like a header", "[S]\r\n[K=v]\r\nK=w\r\n", {{"K=v", "K"}}},
        {"other blanks: vertical tab, form feed, DOS end of file", "[S]\r\n\vK\f=\x1a v\v\r\n\x1a[T]\f\r\nK=t\r\n", {}},
        {"Windows-1252 letters in names and values",
         "[S\xe9]\r\nK\xc9=\xe9t\xe9\r\nL=\x80\x8a\x9f\r\n",
         {{"S\xc9", "K\xe9"}, {"S\xe9", "K\xc9"}, {"S\xe9", "L"}}},
        {"a no-break space is a blank to Windows", "[S]\r\nK=\xa0v\xa0\r\n\xa0L\xa0=x\r\n", {}},
        {"a long value is cut to the 2047 bytes a 2048-byte buffer holds",
         "[S]\r\nK=" + std::string(3000, 'v') + "\r\nL=\"" + std::string(2046, 'q') + "\"\r\nM=\"" +
             std::string(2047, 'q') + "\"\r\n",
         {{"S", "M"}}},
        {"a zero byte", "[S]\r\nK=a\0b\r\n"s, {}, Expect::Refused},
        {"UTF-16 little endian", "\xff\xfe[\0S\0]\0\r\0\n\0K\0=\0v\0"s, {}, Expect::Refused},
        {"UTF-16 big endian", "\xfe\xff\0[\0S\0]\0\r\0\n\0K\0=\0v"s, {}, Expect::Refused},
        {"a UTF-8 file keeps its bytes (Windows makes them Windows-1252)",
         kBom + "[S]\r\nK=Montr\xc3\xa9"
                "al\r\n",
         {{"S", "K"}},
         Expect::Bytes,
         {"Montr\xc3\xa9"
          "al"}},
    };
}

// What GetPrivateProfileStringA gives for the lookup.
std::string windowsValue(const std::string& path, const Lookup& lookup)
{
    std::vector<char> buffer(2048, '\0');
    const DWORD n = GetPrivateProfileStringA(lookup.first.c_str(), lookup.second.c_str(), "", buffer.data(),
                                             static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), n);
}

std::string escaped(const std::string& bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", byte);
        text += byte == '\\' || byte == '"' || byte < 0x20 || byte >= 0x7f ? std::string(hex) : std::string(1, c);
    }
    return text.size() > 400 ? text.substr(0, 400) + "..." : text;
}

// Random INI texts made of pieces that INI files go wrong with; with a
// byte order mark, of ASCII pieces only (see the file's head).
std::string randomText(std::mt19937& random, bool bom)
{
    static const std::vector<std::string> pieces = {
        "[",       "]",      "=",        " ",    "\t",     ";",     "\"",     "'",    "\r\n",  "\n",  "\r",  "S",
        "s",       "K",      "k",        "T",    "x",      "[S]",   "[s]",    "[T]",  "K=",    "k =", " = ", "L",
        "\r\n[S]", "\v",     "\f",       "\x1a", "\x1c",   "\xa0",  "\xe9",   "\xc9", "\x85",  "[]",  "=v",  "\"v\"",
        "'v'",     "\r\nK=", "\r\n\r\n", "#",    "ABC AL", "[ S ]", "[\tT] ", " ]",   "\r\n[",
    };
    std::string text = bom ? kBom : "";
    const std::size_t count = random() % 24;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = random() % pieces.size();
        if (bom && static_cast<unsigned char>(pieces[at][0]) >= 0x80)
            continue;
        text += pieces[at];
    }
    return text;
}

const std::vector<Lookup>& randomLookups()
{
    static const std::vector<Lookup> lookups = [] {
        std::vector<Lookup> all;
        for (const char* section : {"S", "s", "T", "", " S", "x", "\xc9", "S]", "[S"})
            for (const char* key : {"K", "k", "L", "x", "", " K ", "\xe9", ";", "ABC AL", "[S]", "K=", "v"})
                all.emplace_back(section, key);
        return all;
    }();
    return lookups;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: profilecompare FOLDER\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder = fs::absolute(argv[1]);
    fs::create_directories(folder);

    std::vector<Case> cases = tableCases();
    const std::size_t tableSize = cases.size();
    std::mt19937 random(20240611);
    for (int i = 0; i < 2000; ++i)
        cases.push_back({"made at random", randomText(random, i % 4 == 0), randomLookups()});

    int files = 0, lookups = 0, differences = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Case& c = cases[i];
        if (i < tableSize && c.expect != Expect::Bytes)
            c.lookups.insert(c.lookups.end(), kCommon.begin(), kCommon.end());
        // A file of its own for each case: Windows keeps recent files cached.
        const std::string path = (folder / ("case" + std::to_string(i) + ".ini")).string();
        rota::writeFileAtomically(path, c.text);
        ++files;
        const auto report = [&](const std::string& what) {
            ++differences;
            std::printf("DIFFERENCE in case %zu (%s): \"%s\"\n  %s\n", i, c.what, escaped(c.text).c_str(),
                        what.c_str());
        };
        rota::IniFile ours;
        try {
            ours = rota::IniFile::load(path);
        } catch (const rota::FileError& error) {
            if (c.expect != Expect::Refused)
                report("our store refused it: "s + error.what());
            continue;
        }
        if (c.expect == Expect::Refused) {
            report("our store read a file it should refuse");
            continue;
        }
        for (std::size_t l = 0; l < c.lookups.size(); ++l) {
            const Lookup& lookup = c.lookups[l];
            ++lookups;
            const std::string mine = ours.readString(lookup.first, lookup.second);
            const std::string theirs =
                c.expect == Expect::Bytes && l < c.values.size() ? c.values[l] : windowsValue(path, lookup);
            if (mine != theirs)
                report("[" + escaped(lookup.first) + "] " + escaped(lookup.second) + ": ours \"" + escaped(mine) +
                       "\", " + (c.expect == Expect::Bytes ? "expected" : "Windows's") + " \"" + escaped(theirs) +
                       "\"");
        }
    }
    std::error_code error;
    fs::remove_all(folder, error);
    std::printf("%d INI files, %d lookups: %d differences\n", files, lookups, differences);
    return differences == 0 ? 0 : 1;
}
