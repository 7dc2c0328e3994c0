// The readers' common complaints: what a reader writes can be taken apart
// again into its template and arguments, so that a host can say it in
// another language.
#include "platform/core/ReaderMessage.h"
#include "platform/core/TextTable.h"

#include <gtest/gtest.h>

using Id = ReaderMessage::Id;

TEST(ReaderMessage, EveryTemplateIsFoundAgainWithItsArgumentsAfterAnyPrefix)
{
    const std::vector<std::string> args = {"A \"1\"", "2: b"};
    for (int k = 0; k < static_cast<int>(Id::Count); ++k) {
        const auto id = static_cast<Id>(k);
        const std::string text = ReaderMessage::Fill(ReaderMessage::Template(id), args);
        for (const std::string prefix : {"", "data/x.dat:3: ", "a: b.dat: "}) {
            ReaderMessage::Parts parts;
            ASSERT_TRUE(ReaderMessage::Parse(prefix + text, parts)) << prefix + text;
            EXPECT_EQ(parts.id, id) << text;
            EXPECT_EQ(parts.prefix, prefix) << text;
            EXPECT_EQ(ReaderMessage::Fill(ReaderMessage::Template(parts.id), parts.args), text);
        }
    }
    // As a reader writes it.
    TextTable table("1 2\nx 3\n", "s.dat", {});
    TextTable::Line line;
    float v = 0;
    ASSERT_TRUE(table.Next(line) && table.Next(line));
    EXPECT_FALSE(table.Number(line, 0, v, "abscissa"));
    ReaderMessage::Parts parts;
    ASSERT_TRUE(ReaderMessage::Parse(table.Error().str(), parts));
    EXPECT_EQ(parts.prefix, "s.dat:2: ");
    EXPECT_EQ(parts.id, Id::NotANumberIn);
    EXPECT_EQ(parts.args, (std::vector<std::string>{"x", "abscissa"}));

    EXPECT_FALSE(ReaderMessage::Parse("s.dat:2: something else went wrong", parts));
    EXPECT_FALSE(ReaderMessage::Parse("", parts));
}

TEST(ReaderMessage, FillingIsOnePassAndLeavesUnknownPlaceholders)
{
    EXPECT_EQ(ReaderMessage::Fill("%2 then %1", {"%2", "b"}), "b then %2");
    EXPECT_EQ(ReaderMessage::Fill("%1 of %3, 100%", {"a"}), "a of %3, 100%");
    EXPECT_EQ(ReaderMessage::Text(Id::TooLarge, {"big.dat", "4096"}).str(),
              "big.dat is larger than 4096 bytes, the most this reader takes");
}
