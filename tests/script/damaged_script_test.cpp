// Damaged and hostile sources, each compiled from the end of a guarded page:
// nothing may be read past the text, and each has exactly one outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "script_fixtures.h"

namespace {

enum class Outcome { Compiles, Script99, FileMissing65, EmptyName56 };

// Compiles source as Inc/<file> with the packed fixture as base directory,
// so that its includes reach Inc.dat.
CompileOutcome CompileInFixture(const std::string& source, const std::string& file = "Inc/Damaged.txt") {
    CBaseDirectoryScope base(GetProgramDirectory() + "script_fixture\\");
    CScriptUnit unit;
    CScriptCache classes;
    return CompileGuarded(source, unit, classes, file);
}

testing::AssertionResult Is(const CompileOutcome& outcome, Outcome expected) {
    switch (expected) {
        case Outcome::Compiles: return CompiledClean(outcome);
        case Outcome::Script99: return FailedWith(outcome, ErrorKind::Script, 2024, 99);
        case Outcome::FileMissing65: return FailedWith(outcome, ErrorKind::FileIO, 2024, 65);
        case Outcome::EmptyName56: return FailedWith(outcome, ErrorKind::FileIO, 2024, 56);
    }
    return testing::AssertionFailure();
}

std::string Repeat(const std::string& text, int count) {
    std::string out;
    out.reserve(text.size() * count);
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

struct DamagedCase {
    const char* name;
    std::string source;
    Outcome outcome;
    const char* file;
};

TEST(DamagedScripts, EachHasExactlyOneOutcome) {
    const DamagedCase cases[] = {
        {"unterminated string as a statement", "page Main { \"abc", Outcome::Script99, "Inc/Damaged.txt"},
        {"unterminated string as an argument", "page Main { goto \"abc", Outcome::Script99, "Inc/Damaged.txt"},
        {"unterminated string in a condition", "page Main { if(@1 == \"abc) ; }", Outcome::Script99,
         "Inc/Damaged.txt"},
        {"unterminated include", "#include \"Leaf.txt", Outcome::Script99, "Inc/Damaged.txt"},
        {"lead byte last", "page Main { }\x81", Outcome::Script99, "Inc/Damaged.txt"},
        {"lead byte last in a comment", "page Main { } // \x81", Outcome::Compiles, "Inc/Damaged.txt"},
        {"stray }", "page Main { } }", Outcome::Script99, "Inc/Damaged.txt"},
        {"missing }", "page Main { goto a;", Outcome::Script99, "Inc/Damaged.txt"},
        {"statement at the top level", "goto a;", Outcome::Script99, "Inc/Damaged.txt"},
        {"LF line ends", "page Main {\ngoto a;\n}", Outcome::Script99, "Inc/Damaged.txt"},
        {"lone CR", "page Main {\rgoto a;\r}", Outcome::Script99, "Inc/Damaged.txt"},
        {"NUL between tokens", std::string("page Main { goto a;\0 }", 22), Outcome::Script99, "Inc/Damaged.txt"},
        {"30-digit number in a condition", "page Main { if(123456789012345678901234567890 == 1) ; }",
         Outcome::Compiles, "Inc/Damaged.txt"},
        {"variable number too large", "page Main { if(@99999999999 == 1) ; }", Outcome::Compiles,
         "Inc/Damaged.txt"},
        {"100,000 nested {", "page Main {" + std::string(100000, '{'), Outcome::Script99, "Inc/Damaged.txt"},
        {"100,000 nested if", "page Main {" + Repeat("if (1)", 100000) + ";}", Outcome::Script99,
         "Inc/Damaged.txt"},
        {"100,000 nested (", "page Main { if" + std::string(100000, '(') + "1" + std::string(100000, ')') + " ; }",
         Outcome::Script99, "Inc/Damaged.txt"},
        {"file including itself", "page Main { }\r\n#include \"self.txt\"", Outcome::Script99, "Inc/Self.txt"},
        {"file including itself from the archive", "#include \"Self.txt\"", Outcome::Script99, "Inc/Damaged.txt"},
        {"A includes B includes A", "#include \"B.txt\"", Outcome::Script99, "Inc/A.txt"},
        {"include of a missing file", "#include \"Nope.txt\"", Outcome::FileMissing65, "Inc/Damaged.txt"},
        {"include of an empty name", "#include \"\"", Outcome::EmptyName56, "Inc/Damaged.txt"},
        {"65,536 records in one page", "page Main {" + Repeat("goto a;", 65536) + "}", Outcome::Script99,
         "Inc/Damaged.txt"},
        {"empty file", "", Outcome::Compiles, "Inc/Damaged.txt"},
        {"comments only", "// a\r\n/* b */", Outcome::Compiles, "Inc/Damaged.txt"},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Is(CompileInFixture(c.source, c.file), c.outcome));
    }
}

// A valid script with every construct the compiler knows.
const char kFuzzBase[] =
    "// 台本\r\n"
    "#include \"Leaf.txt\"\r\n"
    "# base_path \"sub\"\r\n"
    "#include \"a.txt\"\r\n"
    "page Main {\r\n"
    "    label top;\r\n"
    "    if (@1 == 0 && $2 != 3) { goto top; } else ;\r\n"
    "    for (@1 = 0; @1 < 10; @1 = @1 + 1) { \"テキスト\"; , }\r\n"
    "    while ((@2 = @2 + 1) < 3) do ; while (@3 > 2)\r\n"
    "    /* コメント */ { { goto top; } }\r\n"
    "    if ((@4 * 3) / 2 % 5 > -1) ; else if (#7) goto top;\r\n"
    "}\r\n"
    "class Actor {\r\n"
    "    method Main { if (@4 % 2) goto a; label a; }\r\n"
    "    method OnClick { ; }\r\n"
    "}\r\n"
    "page Second { do { label x; goto x; } while (!@5 || ($6 <= 8, @7 >= -7)) }\r\n";

std::string Mutate(std::string text, std::mt19937& random) {
    static const char kInserts[] = {'"', '{', '}', '(', ')', '7', '0', '@', '#', '\x81', '\xE0', '\r', '\n', '\0'};
    auto pick = [&](size_t n) { return n ? static_cast<size_t>(random() % n) : 0; };
    int mutations = 1 + static_cast<int>(pick(3));
    for (int m = 0; m < mutations && !text.empty(); ++m) {
        size_t at = pick(text.size());
        size_t span = 1 + pick(std::min<size_t>(48, text.size() - at));
        switch (pick(5)) {
            case 0: text[at] = static_cast<char>(text[at] ^ (1 + pick(255))); break;
            case 1: text.insert(text.begin() + at, kInserts[pick(sizeof kInserts)]); break;
            case 2: text.erase(at, span); break;
            case 3: text.insert(at, text.substr(at, span)); break;
            default: text.resize(at); break;
        }
    }
    return text;
}

TEST(DamagedScripts, MutationsCompileOrRaiseOneKnownBox) {
    ASSERT_TRUE(Is(CompileInFixture(kFuzzBase, "Inc/Fuzz.txt"), Outcome::Compiles));
    int compiled = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        std::string source = Mutate(kFuzzBase, random);
        CompileOutcome outcome = CompileInFixture(source, "Inc/Fuzz.txt");
        bool known = Is(outcome, Outcome::Compiles) || Is(outcome, Outcome::Script99) ||
                     Is(outcome, Outcome::FileMissing65) || Is(outcome, Outcome::EmptyName56);
        ASSERT_TRUE(known) << "seed " << seed << ": " << outcome.boxes.size() << " boxes";
        compiled += outcome.compiled;
    }
    // The mutations reach both sides: damage the compiler must refuse, and
    // damage it must let through (in comments, strings, skipped tokens).
    EXPECT_GT(compiled, 100);
    EXPECT_LT(compiled, 2700);
}

}  // namespace
