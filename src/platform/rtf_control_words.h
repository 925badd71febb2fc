#pragma once
// Second layer of the RTF reader: the one table of the control words the reader understands,
// each with its kind. Words missing from the table are ignored by the reader, and after \*
// they make it skip their group.
#include <string_view>

namespace platform {

enum class RtfWordKind {
    Flag,        // takes no parameter (\pard, \qc, \fswiss)
    Toggle,      // on without a parameter or with a non-zero one, off with 0 (\b, \b0)
    Value,       // needs its parameter (\fs24, \cf2, \u8226)
    Destination, // starts a destination: what follows in its group is not (or not only) text
    Symbol,      // stands for a character or a break (\tab, \par, \emdash)
};

enum class RtfWord {
    // Document and code pages.
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    Uc,
    U,
    Bin,
    // Font table.
    FontNil,
    FontRoman,
    FontSwiss,
    FontModern,
    FontScript,
    FontDecor,
    FontTech,
    FontBidi,
    FontCharset,
    FontPitch,
    FontCodePage,
    // Colour table.
    Red,
    Green,
    Blue,
    // Character formatting.
    Plain,
    Font,
    FontSize,
    ExactFontSize, // \wfsizeN: our own word, the size in hundredths of a point
    Colour,
    LowAnsiChars,       // \loch, \hich, \ltrch, \rtlch: the associated font words that follow are not
                        // those of double-byte text
    DoubleByteChars,    // \dbch: the associated font words that follow are those of CJK text
    AssociatedFont,     // \afN
    AssociatedFontSize, // \afsN
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    // Paragraph formatting.
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    ListOverrideIndex, // \lsN in a paragraph, or in the list override table
    ListLevelIndex,    // \ilvlN
    ListId,
    LevelNumberFormat,
    BulletLevel,   // \pnlvlblt
    NumberedLevel, // \pnlvlbody, \pnlvlN
    ContinueLevel, // \pnlvlcont
    // Breaks and characters.
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Page,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    LeftToRightMark,
    RightToLeftMark,
    // Destinations.
    FontTable,
    ColourTable,
    ListTable,
    List,
    ListLevel,
    ListOverrideTable,
    ListOverride,
    ParagraphNumbering, // \pn
    NumberText,         // \pntext, \listtext: the number or bullet as plain text
    FieldResult,        // \fldrslt, \field: shown as text
    Skipped,            // style sheet, info, pictures, objects, headers, footers, notes...
};

struct RtfWordInfo {
    std::string_view name;
    RtfWordKind kind;
    RtfWord word;
};

// The entry of a control word, or nullptr for a word the reader does not know.
const RtfWordInfo* LookupRtfWord(std::string_view name);

} // namespace platform
