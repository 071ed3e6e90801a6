#include <gtest/gtest.h>

#include "core/store/OpcodeTable.h"

namespace zek {
namespace {

TEST(LookupOpcode, KeysAreTheFirstSevenCharactersInLowerCase) {
    const struct {
        const char* mnemonic;
        std::int16_t group;
    } cases[] = {
        {"add", -2},
        {"ADD", -2},
        {"Add", -2},
        {"mov", -1},
        {"jump", -1},
        {"neg", 1},
        {"random", 2},
        {"cmpne", 3},
        {"tstgt", 4},
        {"put", 5},
        {"save", 6},
        {"end", 7},
        {"errjump", 7},
        {"errcode", 7},
        {"errjumpx", 7},
        {"ERRCODE1", 7},
        {"cmpgtxy", UnknownGroup},
        {"mov-", -1},
        {"mov---", -1},
        {"mov----x", -1},
        {"", UnknownGroup},
        {"-", UnknownGroup},
        {"mo", UnknownGroup},
        {"mov ", UnknownGroup},
        {"_lab", 99},
        {"_DIM", 99},
        {"_var", 99},
        {"_config", 99},
        {"_name", 99},
        {"_end", 99},
        {"int", UnknownGroup},
        {"rnd", UnknownGroup},
        {"pow", UnknownGroup},
        {"sqr", UnknownGroup},
        {"sft", UnknownGroup},
        {"valid", UnknownGroup},
        {"rec", UnknownGroup},
        {"\xC4"
         "dd",
         UnknownGroup},
    };
    for (const auto& c : cases) EXPECT_EQ(LookupOpcode(c.mnemonic), c.group) << c.mnemonic;
}

TEST(LookupOpcode, EveryTableNameFindsItsOwnGroup) {
    for (const OpcodeEntry& entry : OpcodeTable) EXPECT_EQ(LookupOpcode(entry.name), entry.group) << entry.name;
}

TEST(DecodeOperation, NeedsTheExactNameInItsGroup) {
    EXPECT_EQ(DecodeOperation(-2, "add"), Operation::Add);
    EXPECT_EQ(DecodeOperation(7, "errjump"), Operation::Errjump);
    EXPECT_EQ(DecodeOperation(7, "end"), Operation::End);
    EXPECT_EQ(DecodeOperation(2, "add"), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(-2, "ADD"), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(7, "errjumpx"), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(-1, "mov-"), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(0, ""), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(UnknownGroup, "add"), Operation::Unknown);
    // Pseudo-instructions that reach the Processor run as no-operations of group 7.
    EXPECT_EQ(DecodeOperation(7, "_lab"), Operation::PseudoLab);
    EXPECT_EQ(DecodeOperation(PseudoGroup, "_lab"), Operation::Unknown);
    EXPECT_EQ(DecodeOperation(7, "_end"), Operation::Unknown);
}

}  // namespace
}  // namespace zek
