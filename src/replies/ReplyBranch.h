#pragma once

// A reply branch fills the window from the text answering one expected reply
// code. It is either a list of rows, one per field, read like a table:
//
//     // SomeReply.cpp
//     // clang-format off
//     constexpr ReplyRow rows[] = {
//         // tag     k  n  rule                   target      mapping
//         {"AD1:",   4, 2, Rule::Index,           "AD01TNG"},
//         {"TM:",    3, 2, Rule::Index,           "ComboBox3", yearItem},
//         {"AIN1:",  5, 5, Rule::Text,            "AD1H"},
//         {"ST?:",   4, 5, Rule::Text,            "Label80"},  // '?' is not examined
//         {"ER",     3, 1, Rule::Flag,            "CheckBox1"},
//         {"TM:",    3, 0, Rule::TextToSeparator, "Label81"},
//     };
//     // clang-format on
//     std::span<const ReplyRow> someReplyRows() { return rows; }
//
// or a function for branches with steps of their own (counts, appends), which
// may still apply rows through applyRows():
//
//     void commandSlotReply(const WorkingText &text, Form &form);
//
// and is registered with one line in the dispatch table of ReplyDispatch.cpp:
//
//     {103,  channelReplyRows(), Clearing::Both},
//     {1501, &commandSlotReply,  Clearing::Nothing},
//
// A conversion error (ConversionError) ends the branch where it is raised: the
// rows after it are not applied and the exchange state is not cleared.

#include "replies/WorkingText.h"

#include <span>
#include <variant>

class Form;

enum class Rule {
    // The characters at k .. k+n-1, unchanged, as a field's text or a label's caption.
    Text,
    // The characters at k .. k+n-1 converted to an integer, mapped, as a selection index.
    Index,
    // The character at k: "1" ticks the check box, anything else unticks it.
    Flag,
    // From k up to the next ";" (or the end of the text) as text; n is not used.
    TextToSeparator,
};

// Turns a converted index value into the item index to select.
using Mapping = int (*)(int);

// One field of a reply: where the tag is found, the characters k places after
// its first character are taken by the rule into the target control. A tag not
// found leaves the target as it is. `then` runs after the field is set.
struct ReplyRow
{
    const char *tag;
    int offset;
    int length;
    Rule rule;
    const char *target;
    Mapping mapping = nullptr;
    void (*then)(Form &) = nullptr;
};

// What a completed branch clears of the exchange state.
enum class Clearing {
    Both,          // ReplyText emptied, ExpectedReplyCode 0
    ReplyTextOnly, // the code stays in force
    Nothing,
};

using BranchSteps = void (*)(const WorkingText &, Form &);
using BranchBody = std::variant<std::span<const ReplyRow>, BranchSteps>;

// Which received text a branch reads.
enum class Reads {
    LatestPiece, // ReplyText
    EachPiece,   // every piece since the last parse, in arrival order
};

struct ReplyBranch
{
    qint32 code;
    BranchBody body;
    Clearing clearing;
    Reads reads = Reads::LatestPiece;
};

// Applies the rows in order. Past the end of the text a field holds only the
// characters that are there: a text field may come out short or empty, an index
// field converts the characters there (none at all fails as "''"), and a flag
// with no character there unticks its box.
void applyRow(const ReplyRow &row, const WorkingText &text, Form &form);
void applyRows(std::span<const ReplyRow> rows, const WorkingText &text, Form &form);
