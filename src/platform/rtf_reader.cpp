#include "platform/rtf_reader.h"

#include "platform/rtf_codepage.h"
#include "platform/rtf_control_words.h"
#include "platform/rtf_document.h"
#include "platform/rtf_tokenizer.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

// What the text and control words of a group are for.
enum class Dest : std::uint8_t {
    Text,              // the document's text
    NumberText,        // \pntext, \listtext: a list paragraph's number or bullet as text
    Skip,              // nothing shown
    FontTable,         // \fonttbl and its entries
    ColourTable,       // \colortbl
    ListTable,         // \listtable
    List,              // \list in the list table
    ListLevel,         // \listlevel in a list
    ListOverrideTable, // \listoverridetable
    ListOverride,      // \listoverride in it
    Numbering,         // \pn: the old way of numbering and bullets
};

enum class Numbering : std::uint8_t { None, Bullet, Other };

enum class Align : std::uint8_t { Left, Center, Right, Justify };

constexpr int kDefaultHalfPoints = 24; // RTF's default size, 12 points
constexpr int kNoFont = INT_MIN;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxExactSize = 163800;
constexpr int kMaxListLevel = 8;
constexpr int kBulletNumberFormat = 23; // \levelnfc23: a bullet; any other (255: none) is not

// Character properties of a group; each word that sets one has its reset in \plain.
struct CharProps {
    int font = -1; // \fN; -1 is the \deff font
    int halfPoints = kDefaultHalfPoints;
    int exactSize = 0; // \wfsizeN, hundredths of a point; 0 when \fs gives the size
    int colour = 0;    // \cfN; 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    // Font and size of CJK text, from \afN and \afsN after \dbch (as LibreOffice and Word write
    // them); kNoFont and 0 when not given.
    int cjkFont = kNoFont;
    int cjkHalfPoints = 0;
    bool doubleByte = false; // \dbch was the last of \loch, \hich, \dbch
    bool operator==(const CharProps&) const = default;
};

bool HasCjkFont(const CharProps& p) {
    return p.cjkFont != kNoFont || p.cjkHalfPoints > 0;
}

// The properties of one character: those of CJK text for a CJK character.
CharProps Resolve(const CharProps& props, bool cjk) {
    CharProps r = props;
    if (cjk && r.cjkFont != kNoFont)
        r.font = r.cjkFont;
    if (cjk && r.cjkHalfPoints > 0) {
        r.halfPoints = r.cjkHalfPoints;
        r.exactSize = 0;
    }
    r.cjkFont = kNoFont;
    r.cjkHalfPoints = 0;
    r.doubleByte = false;
    return r;
}

// Ideographs, kana, Hangul, CJK symbols and full-width forms. A low surrogate goes with the
// character it ends, and ASCII other than letters (blanks, digits, punctuation) with the text before
// it, as LibreOffice and Word assign them.
bool IsCjk(char16_t c, bool previous) {
    if ((c >= 0xDC00 && c <= 0xDFFF) || (c < 0x80 && !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))))
        return previous;
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xA960 && c <= 0xA97F) ||
           (c >= 0xAC00 && c <= 0xD7FF) || (c >= 0xD840 && c <= 0xD8BF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

// Paragraph properties of a group; \pard resets them.
struct ParaProps {
    Align align = Align::Left;
    Numbering numbering = Numbering::None; // from \pn
    int listOverride = 0;                  // \lsN; 0 is none
    int listLevel = 0;                     // \ilvlN
};

struct GroupState {
    Dest dest = Dest::Text;
    bool destStart = false; // this group began its destination
    int uc = 1;             // bytes that stand in for a \uN character
    CharProps chr;
    ParaProps para;
};

struct FontEntry {
    QString name;
    int charset = -1;   // \fcharset; -1 when not given
    int pitch = -1;     // \fprq; -1 when not given
    int codePage = 0;   // \cpg; 0 when not given
    int styleHint = -1; // QFont::StyleHint of the family word; -1 for \fnil or none
};

struct TextRun {
    CharProps props;
    QString text;
    bool cjk = false; // its last character is CJK text (or goes with CJK text)
};

struct CharPropsHash {
    std::size_t operator()(const CharProps& p) const {
        std::size_t h = static_cast<std::size_t>(p.font) * 1000003u;
        h ^= static_cast<std::size_t>(p.halfPoints) * 8191u + static_cast<std::size_t>(p.exactSize);
        h = h * 31 + static_cast<std::size_t>(p.colour);
        h = h * 16 + (p.bold ? 1 : 0) + (p.italic ? 2 : 0) + (p.underline ? 4 : 0) + (p.strike ? 8 : 0);
        h = h * 31 + static_cast<std::size_t>(p.cjkFont) * 17 + static_cast<std::size_t>(p.cjkHalfPoints) +
            (p.doubleByte ? 1 : 0);
        return h;
    }
};

// A format to insert with, and whether it is already the document's own copy. QTextDocument
// keeps a copy of each format and finds it again by comparing property by property; inserting with
// that copy itself makes the comparison a pointer comparison, which speeds up long documents.
template <typename Format> struct DocFormat {
    Format format;
    bool adopted = false;
};

// Builds the document paragraph by paragraph at its end, in one edit block.
class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument& doc) : cursor_(&doc) { cursor_.beginEditBlock(); }
    ~DocumentBuilder() { cursor_.endEditBlock(); }

    void AddParagraph(DocFormat<QTextBlockFormat>& blockFormat, DocFormat<QTextCharFormat>& markFormat,
                      bool bullet) {
        if (first_) {
            cursor_.setBlockFormat(blockFormat.format);
            cursor_.setBlockCharFormat(markFormat.format);
            first_ = false;
        } else {
            cursor_.insertBlock(blockFormat.format, markFormat.format);
        }
        const QTextBlock block = cursor_.block();
        if (!blockFormat.adopted) {
            blockFormat.format = block.blockFormat();
            blockFormat.adopted = true;
        }
        if (!markFormat.adopted) {
            markFormat.format = block.charFormat();
            markFormat.adopted = true;
        }
        if (bullet) {
            if (list_) {
                list_->add(block);
            } else {
                QTextListFormat listFormat;
                listFormat.setStyle(QTextListFormat::ListDisc);
                list_ = cursor_.createList(listFormat);
            }
        } else {
            list_ = nullptr;
        }
    }

    void AddText(QString& text, DocFormat<QTextCharFormat>& format) {
        SanitizeText(text);
        if (text.isEmpty())
            return;
        cursor_.insertText(text, format.format);
        if (!format.adopted) {
            QTextBlock::iterator last = cursor_.block().end();
            --last;
            format.format = last.fragment().charFormat();
            format.adopted = true;
        }
    }

private:
    QTextCursor cursor_;
    bool first_ = true;
    QTextList* list_ = nullptr;
};

class RtfInterpreter {
public:
    RtfInterpreter(std::string_view input, QTextDocument& doc) : tokens_(input), builder_(doc) {
        stack_.reserve(64);
        stack_.emplace_back();
    }

    void Run();

private:
    GroupState& top() { return stack_.back(); }

    void GroupStart();
    bool GroupEnd(); // false when the document's own group has closed
    void FinishDestination(const GroupState& ended);
    void Word(const RtfToken& token);
    void Destination(const RtfWordInfo& info);
    void BodyWord(const RtfWordInfo& info, const RtfToken& token);
    void Symbol(char symbol);
    void Text(std::string_view bytes);
    void Byte(unsigned char byte);
    void Unicode(int value);

    // Text of the body: into the paragraph's runs or its number text.
    std::vector<TextRun>* TextTarget();
    static TextRun& RunFor(std::vector<TextRun>& target, const CharProps& resolved, bool cjk = false);
    static void AppendText(std::vector<TextRun>& target, const CharProps& props, QStringView text);
    void AppendBytes(std::string_view bytes);
    void AppendChars(QStringView chars);
    void FlushPending();
    void EndParagraph(bool onlyWhenNotEmpty);
    bool ParagraphIsBullet(const ParaProps& para) const;

    // Font table.
    void StartFont(int number);
    void FontNameBytes(std::string_view bytes);
    void FontNameChars(QStringView chars);
    void FlushFontName();
    void CommitFont();
    int FontCodePage(const FontEntry& font) const;
    int CodePageOf(int fontNumber);
    const FontEntry* FindFont(int fontNumber) const;

    // Colour table.
    void CommitColour();

    DocFormat<QTextCharFormat>& FormatOf(const CharProps& props);
    DocFormat<QTextBlockFormat>& BlockFormatOf(const ParaProps& para);
    void TablesChanged();

    RtfTokenizer tokens_;
    DocumentBuilder builder_;
    CodePages codePages_;
    std::vector<GroupState> stack_;
    std::size_t flattened_ = 0;  // braces past the depth bound, read as not there
    bool ignorableNext_ = false; // \* was read: the next word must be known or its group skipped
    int skip_ = 0;               // fallback bytes after \uN still to skip

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    int memoFont_ = 0;
    int memoCodePage_ = 0;
    bool memoValid_ = false;

    std::unordered_map<int, FontEntry> fonts_;
    bool fontPending_ = false;
    int fontNumber_ = 0;
    FontEntry font_;
    std::string fontNameBytes_;

    std::vector<QColor> colours_; // index 0 and entries without components: automatic
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSet_ = false;

    std::unordered_map<int, std::vector<int>> lists_; // \listid: number format of each level
    std::unordered_map<int, int> overrides_;          // \ls: \listid
    int listId_ = 0;
    std::vector<int> listLevels_;
    int overrideListId_ = 0;
    int overrideIndex_ = 0;

    std::vector<TextRun> runs_;
    std::vector<TextRun> numberRuns_;
    std::string pending_; // bytes of a multi-byte code page waiting for the rest of a character
    int pendingCodePage_ = 0;
    std::vector<TextRun>* pendingTarget_ = nullptr;
    CharProps pendingProps_;
    QString scratch_;

    std::unordered_map<CharProps, DocFormat<QTextCharFormat>, CharPropsHash> formats_;
    DocFormat<QTextBlockFormat> blockFormats_[4];
};

void RtfInterpreter::Run() {
    for (;;) {
        const RtfToken token = tokens_.Next();
        const bool ignorable = ignorableNext_;
        ignorableNext_ = false;
        switch (token.type) {
        case RtfTokenType::End:
            FlushPending();
            if (!runs_.empty() || !numberRuns_.empty())
                EndParagraph(false);
            return;
        case RtfTokenType::GroupStart:
            skip_ = 0;
            GroupStart();
            break;
        case RtfTokenType::GroupEnd:
            skip_ = 0;
            if (!GroupEnd()) {
                FlushPending();
                if (!runs_.empty() || !numberRuns_.empty())
                    EndParagraph(false);
                return;
            }
            break;
        case RtfTokenType::Word:
            if (token.text == "bin") {
                // The data of \bin is skipped wherever it is, or it would be read as RTF.
                skip_ = skip_ > 0 ? skip_ - 1 : 0;
                tokens_.SkipBinary(token.hasParam ? token.param : 0);
                break;
            }
            if (top().dest == Dest::Skip)
                break;
            if (skip_ > 0) {
                --skip_;
                break;
            }
            if (ignorable) {
                const RtfWordInfo* info = LookupRtfWord(token.text);
                if (!info || info->kind != RtfWordKind::Destination) {
                    top().dest = Dest::Skip;
                    top().destStart = true;
                    break;
                }
            }
            Word(token);
            break;
        case RtfTokenType::Symbol:
            if (top().dest == Dest::Skip)
                break;
            if (skip_ > 0) {
                --skip_;
                break;
            }
            Symbol(token.symbol);
            break;
        case RtfTokenType::Hex:
            if (top().dest == Dest::Skip)
                break;
            if (skip_ > 0) {
                --skip_;
                break;
            }
            Byte(token.value);
            break;
        case RtfTokenType::Text:
            if (top().dest == Dest::Skip)
                break;
            if (skip_ > 0) {
                const std::size_t n =
                    std::min<std::size_t>(static_cast<std::size_t>(skip_), token.text.size());
                skip_ -= static_cast<int>(n);
                Text(token.text.substr(n));
            } else {
                Text(token.text);
            }
            break;
        }
    }
}

void RtfInterpreter::GroupStart() {
    if (stack_.size() >= kRtfMaxGroupDepth) {
        ++flattened_;
        return;
    }
    GroupState state = top();
    state.destStart = false;
    stack_.push_back(state);
}

bool RtfInterpreter::GroupEnd() {
    if (flattened_ > 0) {
        --flattened_;
        return true;
    }
    if (stack_.size() <= 2)
        return false; // the document's group (or a stray brace before it)
    const GroupState ended = stack_.back();
    stack_.pop_back();
    if (ended.dest == Dest::FontTable && fontPending_)
        CommitFont();
    if (ended.destStart)
        FinishDestination(ended);
    return true;
}

void RtfInterpreter::FinishDestination(const GroupState& ended) {
    switch (ended.dest) {
    case Dest::List:
        lists_[listId_] = listLevels_;
        listLevels_.clear();
        break;
    case Dest::ListOverride:
        overrides_[overrideIndex_] = overrideListId_;
        break;
    case Dest::Numbering:
        // \pn sits in a group of its own but numbers the paragraph around it.
        top().para.numbering = ended.para.numbering;
        break;
    default:
        break;
    }
}

void RtfInterpreter::Word(const RtfToken& token) {
    const RtfWordInfo* info = LookupRtfWord(token.text);
    if (!info)
        return; // unknown words are ignored
    GroupState& state = top();
    const int param = token.param;
    if (info->word == RtfWord::U) {
        if (token.hasParam)
            Unicode(param);
        return;
    }
    if (info->kind == RtfWordKind::Destination) {
        Destination(*info);
        return;
    }
    switch (state.dest) {
    case Dest::Text:
    case Dest::NumberText:
        BodyWord(*info, token);
        return;
    case Dest::FontTable:
        switch (info->word) {
        case RtfWord::Font:
            StartFont(param);
            return;
        case RtfWord::FontNil:
            font_.styleHint = -1;
            return;
        case RtfWord::FontRoman:
            font_.styleHint = QFont::Serif;
            return;
        case RtfWord::FontSwiss:
            font_.styleHint = QFont::SansSerif;
            return;
        case RtfWord::FontModern:
            font_.styleHint = QFont::TypeWriter;
            return;
        case RtfWord::FontScript:
            font_.styleHint = QFont::Cursive;
            return;
        case RtfWord::FontDecor:
            font_.styleHint = QFont::Decorative;
            return;
        case RtfWord::FontTech:
        case RtfWord::FontBidi:
            font_.styleHint = -1;
            return;
        case RtfWord::FontCharset:
            FlushFontName();
            font_.charset = std::clamp(param, 0, 255);
            return;
        case RtfWord::FontPitch:
            font_.pitch = std::clamp(param, 0, 2);
            return;
        case RtfWord::FontCodePage:
            FlushFontName();
            font_.codePage = std::max(param, 0);
            return;
        case RtfWord::Uc:
            state.uc = std::max(param, 0);
            return;
        default:
            return;
        }
    case Dest::ColourTable:
        switch (info->word) {
        case RtfWord::Red:
            red_ = std::clamp(param, 0, 255);
            colourSet_ = true;
            return;
        case RtfWord::Green:
            green_ = std::clamp(param, 0, 255);
            colourSet_ = true;
            return;
        case RtfWord::Blue:
            blue_ = std::clamp(param, 0, 255);
            colourSet_ = true;
            return;
        default:
            return;
        }
    case Dest::List:
        if (info->word == RtfWord::ListId)
            listId_ = param;
        return;
    case Dest::ListLevel:
        if (info->word == RtfWord::LevelNumberFormat && !listLevels_.empty())
            listLevels_.back() = param;
        return;
    case Dest::ListOverride:
        if (info->word == RtfWord::ListId)
            overrideListId_ = param;
        else if (info->word == RtfWord::ListOverrideIndex)
            overrideIndex_ = param;
        return;
    case Dest::Numbering:
        if (info->word == RtfWord::BulletLevel)
            state.para.numbering = Numbering::Bullet;
        else if (info->word == RtfWord::NumberedLevel || info->word == RtfWord::ContinueLevel)
            state.para.numbering = Numbering::Other;
        return;
    case Dest::ListTable:
    case Dest::ListOverrideTable:
    case Dest::Skip:
        return;
    }
}

void RtfInterpreter::Destination(const RtfWordInfo& info) {
    GroupState& state = top();
    const bool inBody = state.dest == Dest::Text || state.dest == Dest::NumberText;
    Dest dest = Dest::Skip;
    switch (info.word) {
    case RtfWord::FontTable:
        if (inBody)
            dest = Dest::FontTable;
        break;
    case RtfWord::ColourTable:
        if (inBody) {
            dest = Dest::ColourTable;
            colours_.clear();
            colourSet_ = false;
            red_ = green_ = blue_ = 0;
            TablesChanged();
        }
        break;
    case RtfWord::ListTable:
        if (inBody)
            dest = Dest::ListTable;
        break;
    case RtfWord::ListOverrideTable:
        if (inBody)
            dest = Dest::ListOverrideTable;
        break;
    case RtfWord::List:
        if (state.dest == Dest::ListTable) {
            dest = Dest::List;
            listId_ = 0;
            listLevels_.clear();
        }
        break;
    case RtfWord::ListLevel:
        if (state.dest == Dest::List) {
            dest = Dest::ListLevel;
            listLevels_.push_back(-1);
        }
        break;
    case RtfWord::ListOverride:
        if (state.dest == Dest::ListOverrideTable) {
            dest = Dest::ListOverride;
            overrideListId_ = 0;
            overrideIndex_ = 0;
        }
        break;
    case RtfWord::ParagraphNumbering:
        if (inBody)
            dest = Dest::Numbering;
        break;
    case RtfWord::NumberText:
        if (inBody)
            dest = Dest::NumberText;
        break;
    case RtfWord::FieldResult:
        if (inBody)
            return; // a field shows its result as text
        break;
    default:
        break;
    }
    state.dest = dest;
    state.destStart = true;
}

void RtfInterpreter::BodyWord(const RtfWordInfo& info, const RtfToken& token) {
    GroupState& state = top();
    CharProps& chr = state.chr;
    ParaProps& para = state.para;
    const int param = token.param;
    const bool on = !token.hasParam || param != 0;
    switch (info.word) {
    case RtfWord::Ansi:
        ansiCodePage_ = 1252;
        memoValid_ = false;
        return;
    case RtfWord::Mac:
        ansiCodePage_ = 10000;
        memoValid_ = false;
        return;
    case RtfWord::Pc:
        ansiCodePage_ = 437;
        memoValid_ = false;
        return;
    case RtfWord::Pca:
        ansiCodePage_ = 850;
        memoValid_ = false;
        return;
    case RtfWord::AnsiCodePage:
        if (param > 0)
            ansiCodePage_ = param;
        memoValid_ = false;
        return;
    case RtfWord::DefaultFont:
        defaultFont_ = param;
        memoValid_ = false;
        TablesChanged();
        return;
    case RtfWord::Uc:
        state.uc = std::max(param, 0);
        return;
    case RtfWord::Plain:
        chr = CharProps{};
        return;
    case RtfWord::Font:
        chr.font = param;
        return;
    case RtfWord::FontSize:
        if (param > 0) {
            chr.halfPoints = std::min(param, kMaxHalfPoints);
            chr.exactSize = 0;
        }
        return;
    case RtfWord::ExactFontSize:
        if (param > 0)
            chr.exactSize = std::min(param, kMaxExactSize);
        return;
    case RtfWord::Colour:
        chr.colour = std::max(param, 0);
        return;
    case RtfWord::LowAnsiChars:
        chr.doubleByte = false;
        return;
    case RtfWord::DoubleByteChars:
        chr.doubleByte = true;
        return;
    case RtfWord::AssociatedFont:
        if (chr.doubleByte)
            chr.cjkFont = param == kNoFont ? param + 1 : param;
        return;
    case RtfWord::AssociatedFontSize:
        if (chr.doubleByte && param > 0)
            chr.cjkHalfPoints = std::min(param, kMaxHalfPoints);
        return;
    case RtfWord::Bold:
        chr.bold = on;
        return;
    case RtfWord::Italic:
        chr.italic = on;
        return;
    case RtfWord::Underline:
        chr.underline = on;
        return;
    case RtfWord::UnderlineNone:
        chr.underline = false;
        return;
    case RtfWord::Strike:
        chr.strike = on;
        return;
    case RtfWord::Pard:
        para = ParaProps{};
        return;
    case RtfWord::AlignLeft:
        para.align = Align::Left;
        return;
    case RtfWord::AlignCenter:
        para.align = Align::Center;
        return;
    case RtfWord::AlignRight:
        para.align = Align::Right;
        return;
    case RtfWord::AlignJustify:
        para.align = Align::Justify;
        return;
    case RtfWord::ListOverrideIndex:
        para.listOverride = std::max(param, 0);
        return;
    case RtfWord::ListLevelIndex:
        para.listLevel = std::clamp(param, 0, kMaxListLevel);
        return;
    default:
        if (info.kind != RtfWordKind::Symbol)
            return;
        break;
    }
    // Breaks and characters.
    char16_t c = 0;
    switch (info.word) {
    case RtfWord::Par:
    case RtfWord::Cell: // a table cell is a paragraph of its own
        if (state.dest == Dest::Text)
            EndParagraph(false);
        return;
    case RtfWord::Row:
    case RtfWord::Page:
        if (state.dest == Dest::Text)
            EndParagraph(true);
        return;
    case RtfWord::Line:
        c = QChar::LineSeparator;
        break;
    case RtfWord::Tab:
        c = '\t';
        break;
    case RtfWord::EmDash:
        c = 0x2014;
        break;
    case RtfWord::EnDash:
        c = 0x2013;
        break;
    case RtfWord::EmSpace:
        c = 0x2003;
        break;
    case RtfWord::EnSpace:
        c = 0x2002;
        break;
    case RtfWord::QmSpace:
        c = 0x2005;
        break;
    case RtfWord::Bullet:
        c = 0x2022;
        break;
    case RtfWord::LeftQuote:
        c = 0x2018;
        break;
    case RtfWord::RightQuote:
        c = 0x2019;
        break;
    case RtfWord::LeftDoubleQuote:
        c = 0x201C;
        break;
    case RtfWord::RightDoubleQuote:
        c = 0x201D;
        break;
    case RtfWord::ZeroWidthJoiner:
        c = 0x200D;
        break;
    case RtfWord::ZeroWidthNonJoiner:
        c = 0x200C;
        break;
    case RtfWord::LeftToRightMark:
        c = 0x200E;
        break;
    case RtfWord::RightToLeftMark:
        c = 0x200F;
        break;
    default:
        return;
    }
    const QChar ch(c);
    AppendChars(QStringView(&ch, 1));
}

void RtfInterpreter::Symbol(char symbol) {
    const Dest dest = top().dest;
    if (symbol == '*') {
        ignorableNext_ = true;
        return;
    }
    if (dest == Dest::FontTable) {
        if (symbol == '\\' || symbol == '{' || symbol == '}')
            FontNameBytes(std::string_view(&symbol, 1));
        return;
    }
    if (dest != Dest::Text && dest != Dest::NumberText)
        return;
    char16_t c = 0;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        c = static_cast<char16_t>(symbol);
        break;
    case '~':
        c = 0x00A0; // no-break space
        break;
    case '-':
        c = 0x00AD; // optional hyphen
        break;
    case '_':
        c = 0x2011; // non-breaking hyphen
        break;
    case '\n':
    case '\r':
        if (dest == Dest::Text)
            EndParagraph(false); // a backslash before a line end is \par
        return;
    case '\t':
        c = '\t';
        break;
    default:
        return; // \| \: and the rest show nothing
    }
    const QChar ch(c);
    AppendChars(QStringView(&ch, 1));
}

void RtfInterpreter::Text(std::string_view bytes) {
    switch (top().dest) {
    case Dest::Text:
    case Dest::NumberText:
        if (!bytes.empty())
            AppendBytes(bytes);
        return;
    case Dest::FontTable:
        while (!bytes.empty()) {
            const std::size_t semicolon = bytes.find(';');
            if (semicolon == std::string_view::npos) {
                FontNameBytes(bytes);
                return;
            }
            FontNameBytes(bytes.substr(0, semicolon));
            CommitFont();
            bytes.remove_prefix(semicolon + 1);
        }
        return;
    case Dest::ColourTable:
        for (const char c : bytes)
            if (c == ';')
                CommitColour();
        return;
    default:
        return;
    }
}

void RtfInterpreter::Byte(unsigned char byte) {
    const char c = static_cast<char>(byte);
    switch (top().dest) {
    case Dest::Text:
    case Dest::NumberText:
        AppendBytes(std::string_view(&c, 1));
        return;
    case Dest::FontTable:
        FontNameBytes(std::string_view(&c, 1));
        return;
    default:
        return;
    }
}

void RtfInterpreter::Unicode(int value) {
    skip_ = top().uc;
    if (value < 0)
        value += 65536;
    if (value <= 0 || value > 0x10FFFF)
        return;
    QChar units[2];
    qsizetype count = 1;
    if (value > 0xFFFF) {
        units[0] = QChar::highSurrogate(static_cast<char32_t>(value));
        units[1] = QChar::lowSurrogate(static_cast<char32_t>(value));
        count = 2;
    } else {
        units[0] = QChar(static_cast<char16_t>(value));
    }
    const QStringView chars(units, count);
    switch (top().dest) {
    case Dest::Text:
    case Dest::NumberText:
        AppendChars(chars);
        return;
    case Dest::FontTable:
        FontNameChars(chars);
        return;
    default:
        return;
    }
}

std::vector<TextRun>* RtfInterpreter::TextTarget() {
    return top().dest == Dest::NumberText ? &numberRuns_ : &runs_;
}

TextRun& RtfInterpreter::RunFor(std::vector<TextRun>& target, const CharProps& resolved, bool cjk) {
    if (target.empty() || !(target.back().props == resolved))
        target.push_back({resolved, QString(), cjk});
    target.back().cjk = cjk;
    return target.back();
}

void RtfInterpreter::AppendText(std::vector<TextRun>& target, const CharProps& props, QStringView text) {
    if (text.isEmpty())
        return;
    if (!HasCjkFont(props)) {
        RunFor(target, Resolve(props, false)).text.append(text);
        return;
    }
    qsizetype start = 0;
    bool cjk = IsCjk(text[0].unicode(), !target.empty() && target.back().cjk);
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const bool next = i < text.size() ? IsCjk(text[i].unicode(), cjk) : !cjk;
        if (next != cjk) {
            RunFor(target, Resolve(props, cjk), cjk).text.append(text.sliced(start, i - start));
            start = i;
            cjk = next;
        }
    }
}

void RtfInterpreter::AppendBytes(std::string_view bytes) {
    std::vector<TextRun>* target = TextTarget();
    const CharProps& props = top().chr;
    // Bytes of double-byte text are in the code page of its font.
    const int codePage =
        CodePageOf(props.doubleByte && props.cjkFont != kNoFont ? props.cjkFont : props.font);
    if (!pending_.empty() &&
        (pendingCodePage_ != codePage || pendingTarget_ != target || !(pendingProps_ == props)))
        FlushPending();
    CodePageDecoder& decoder = codePages_.Decoder(codePage);
    if (decoder.multiByte()) {
        // Lead and trail bytes may come in separate tokens (\'b0\'a1, or \'81@).
        pending_.append(bytes);
        pendingCodePage_ = codePage;
        pendingTarget_ = target;
        pendingProps_ = props;
        return;
    }
    FlushPending();
    if (!HasCjkFont(props)) {
        decoder.Decode(bytes, RunFor(*target, Resolve(props, false)).text);
        return;
    }
    // Blanks and punctuation after CJK text go with it.
    scratch_.clear();
    decoder.Decode(bytes, scratch_);
    AppendText(*target, props, scratch_);
}

void RtfInterpreter::AppendChars(QStringView chars) {
    FlushPending();
    AppendText(*TextTarget(), top().chr, chars);
}

void RtfInterpreter::FlushPending() {
    if (pending_.empty())
        return;
    scratch_.clear();
    codePages_.Decoder(pendingCodePage_).Decode(pending_, scratch_);
    pending_.clear();
    std::vector<TextRun>* target = pendingTarget_;
    pendingTarget_ = nullptr;
    AppendText(*target, pendingProps_, scratch_);
}

bool RtfInterpreter::ParagraphIsBullet(const ParaProps& para) const {
    if (para.listOverride > 0) {
        const auto over = overrides_.find(para.listOverride);
        if (over == overrides_.end())
            return true;
        const auto list = lists_.find(over->second);
        if (list == lists_.end() || list->second.empty())
            return true;
        const std::vector<int>& levels = list->second;
        const int format =
            levels[static_cast<std::size_t>(para.listLevel) < levels.size() ? para.listLevel : 0];
        return format == kBulletNumberFormat || format == -1;
    }
    return para.numbering == Numbering::Bullet;
}

void RtfInterpreter::EndParagraph(bool onlyWhenNotEmpty) {
    FlushPending();
    if (onlyWhenNotEmpty && runs_.empty() && numberRuns_.empty())
        return;
    const GroupState& state = top();
    const bool bullet = ParagraphIsBullet(state.para);
    builder_.AddParagraph(BlockFormatOf(state.para), FormatOf(Resolve(state.chr, false)), bullet);
    // A bullet is the list's to draw; any other number stays as the text it was written as.
    if (!bullet)
        for (TextRun& run : numberRuns_)
            builder_.AddText(run.text, FormatOf(run.props));
    for (TextRun& run : runs_)
        builder_.AddText(run.text, FormatOf(run.props));
    runs_.clear();
    numberRuns_.clear();
}

void RtfInterpreter::StartFont(int number) {
    if (fontPending_)
        CommitFont();
    fontPending_ = true;
    fontNumber_ = number;
    font_ = FontEntry{};
    fontNameBytes_.clear();
}

void RtfInterpreter::FontNameBytes(std::string_view bytes) {
    if (!fontPending_)
        return; // blanks between the entries, or a name without \f
    if (font_.name.size() + fontNameBytes_.size() < 1000)
        fontNameBytes_.append(bytes);
}

void RtfInterpreter::FontNameChars(QStringView chars) {
    if (!fontPending_)
        return;
    FlushFontName();
    if (font_.name.size() < 1000)
        font_.name.append(chars);
}

void RtfInterpreter::FlushFontName() {
    if (fontNameBytes_.empty())
        return;
    codePages_.Decoder(FontCodePage(font_)).Decode(fontNameBytes_, font_.name);
    fontNameBytes_.clear();
}

void RtfInterpreter::CommitFont() {
    if (!fontPending_)
        return;
    FlushFontName();
    font_.name = font_.name.trimmed();
    fonts_[fontNumber_] = font_;
    fontPending_ = false;
    memoValid_ = false;
    TablesChanged();
}

int RtfInterpreter::FontCodePage(const FontEntry& font) const {
    if (font.codePage > 0)
        return font.codePage;
    return CodePageForCharset(font.charset, ansiCodePage_);
}

const FontEntry* RtfInterpreter::FindFont(int fontNumber) const {
    auto it = fonts_.find(fontNumber < 0 ? defaultFont_ : fontNumber);
    if (it == fonts_.end())
        it = fonts_.find(defaultFont_);
    return it == fonts_.end() ? nullptr : &it->second;
}

int RtfInterpreter::CodePageOf(int fontNumber) {
    if (memoValid_ && memoFont_ == fontNumber)
        return memoCodePage_;
    const FontEntry* font = FindFont(fontNumber);
    memoFont_ = fontNumber;
    memoCodePage_ = font ? FontCodePage(*font) : ansiCodePage_;
    memoValid_ = true;
    return memoCodePage_;
}

void RtfInterpreter::CommitColour() {
    colours_.push_back(colourSet_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    colourSet_ = false;
    TablesChanged();
}

void RtfInterpreter::TablesChanged() {
    // A new map rather than clear(), which sweeps all buckets: a file mixing table entries with
    // text would pay for the largest the map has ever been at every entry.
    if (!formats_.empty())
        formats_ = {};
}

DocFormat<QTextCharFormat>& RtfInterpreter::FormatOf(const CharProps& props) {
    const auto cached = formats_.find(props);
    if (cached != formats_.end())
        return cached->second;
    QTextCharFormat format;
    if (const FontEntry* font = FindFont(props.font)) {
        if (!font->name.isEmpty())
            format.setFontFamilies(QStringList{font->name});
        if (font->charset >= 0)
            SetFontCharset(format, font->charset);
        if (font->pitch >= 0)
            SetFontPitch(format, font->pitch);
        if (font->styleHint >= 0)
            format.setFontStyleHint(static_cast<QFont::StyleHint>(font->styleHint));
    }
    format.setFontPointSize(props.exactSize > 0 ? props.exactSize / 100.0 : props.halfPoints / 2.0);
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline)
        format.setFontUnderline(true);
    if (props.strike)
        format.setFontStrikeOut(true);
    if (props.colour > 0 && static_cast<std::size_t>(props.colour) < colours_.size() &&
        colours_[static_cast<std::size_t>(props.colour)].isValid())
        format.setForeground(colours_[static_cast<std::size_t>(props.colour)]);
    return formats_.emplace(props, DocFormat<QTextCharFormat>{format}).first->second;
}

DocFormat<QTextBlockFormat>& RtfInterpreter::BlockFormatOf(const ParaProps& para) {
    DocFormat<QTextBlockFormat>& cached = blockFormats_[static_cast<int>(para.align)];
    if (cached.format.hasProperty(QTextFormat::BlockAlignment))
        return cached;
    static constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                    Qt::AlignJustify};
    cached.format.setAlignment(kAlignments[static_cast<int>(para.align)]);
    return cached;
}

} // namespace

// Removes the characters that QTextDocument would take for structure (block and frame
// separators, object markers) and the control characters other than the tab.
void SanitizeText(QString& text) {
    const auto bad = [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t') || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC ||
               u == 0xFEFF;
    };
    if (std::none_of(text.cbegin(), text.cend(), bad))
        return;
    text.erase(std::remove_if(text.begin(), text.end(), bad), text.end());
}

void ReadRtf(std::string_view bytes, QTextDocument& doc) {
    RtfInterpreter interpreter(bytes, doc);
    interpreter.Run();
}

} // namespace platform
