#include "ui/RtfReader.h"

#include "dictionary/Windows1252.h"

#include <QFont>
#include <QHash>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace {

// Deeper groups than this still count, but share the innermost state.
constexpr int MaxDepth = 256;

struct GroupState
{
    bool skip = false; // inside a destination whose text is not shown
    bool fontTable = false;
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    int unicodeSkip = 1;
};

class Reader
{
public:
    Reader(QByteArrayView rtf, QTextDocument& document)
        : m_in(rtf), m_cursor(&document), m_family(document.defaultFont().family())
    {
        m_groups.emplace_back();
    }

    void run()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (c == '\\')
                controlSequence();
            else if (c != '\r' && c != '\n')
                text(Windows1252::instance().toChar(uchar(c)));
        }
        flush();
    }

private:
    GroupState& state() { return m_groups.back(); }

    void openGroup()
    {
        flush();
        ++m_depth;
        if (m_depth < MaxDepth)
            m_groups.push_back(state());
    }

    void closeGroup()
    {
        if (m_depth == 0)
            return; // an unbalanced brace closes nothing
        if (state().fontTable && !m_fontName.isEmpty())
            finishFontName();
        flush();
        if (m_depth < MaxDepth)
            m_groups.pop_back();
        --m_depth;
    }

    void controlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]) && m_pos - start < 32)
            ++m_pos;
        const QByteArrayView word = m_in.sliced(start, m_pos - start);
        bool hasParameter = false;
        const int parameter = readParameter(hasParameter);
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the control word
        controlWord(word, hasParameter, parameter);
    }

    int readParameter(bool& present)
    {
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        long long value = 0;
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            present = true;
            value = std::min(value * 10 + (m_in[m_pos] - '0'), 1LL << 32);
            ++m_pos;
        }
        value = negative ? -value : value;
        return int(std::clamp(value, -(1LL << 31), (1LL << 31) - 1));
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'':
            if (m_pos + 2 <= m_in.size() && isHexDigit(m_in[m_pos]) &&
                isHexDigit(m_in[m_pos + 1])) {
                const int byte = hexValue(m_in[m_pos]) * 16 + hexValue(m_in[m_pos + 1]);
                m_pos += 2;
                text(Windows1252::instance().toChar(uchar(byte)));
            } // anything else after \' is read as it stands
            break;
        case '\\':
        case '{':
        case '}':
            text(QChar::fromLatin1(c));
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '*':
            state().skip = true; // an optional destination this reader does not know
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break; // \- and friends show nothing
        }
    }

    void controlWord(QByteArrayView word, bool hasParameter, int parameter)
    {
        GroupState& s = state();
        if (word == "fonttbl") {
            s.fontTable = true;
            s.skip = true;
        } else if (word == "colortbl" || word == "stylesheet" || word == "info" || word == "pict" ||
                   word == "header" || word == "footer" || word == "object") {
            s.skip = true;
        } else if (word == "f") {
            if (s.fontTable)
                m_fontNumber = parameter;
            else
                setFormat([&] { s.font = parameter; });
        } else if (word == "fs") {
            const int halfPoints = hasParameter && parameter > 0 ? std::min(parameter, 3276) : 24;
            setFormat([&] { s.halfPoints = halfPoints; });
        } else if (word == "b") {
            setFormat([&] { s.bold = !hasParameter || parameter != 0; });
        } else if (word == "i") {
            setFormat([&] { s.italic = !hasParameter || parameter != 0; });
        } else if (word == "plain") {
            setFormat([&] {
                s.bold = s.italic = false;
                s.halfPoints = 24;
            });
        } else if (word == "par" || word == "sect" || word == "page") {
            paragraph();
        } else if (word == "line") {
            text(QChar::LineSeparator);
        } else if (word == "tab") {
            text(QChar('\t'));
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(parameter, 0, 8);
        } else if (word == "u" && hasParameter) {
            text(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)));
            skipFallback(s.unicodeSkip);
        }
    }

    void skipFallback(int count)
    {
        for (int k = 0; k < count && m_pos < m_in.size(); ++k) {
            const char c = m_in[m_pos];
            if (c == '{' || c == '}')
                return;
            if (c == '\\' && m_pos + 1 < m_in.size() && m_in[m_pos + 1] == '\'')
                m_pos += std::min<qsizetype>(4, m_in.size() - m_pos);
            else
                ++m_pos;
        }
    }

    void text(QChar c)
    {
        const GroupState& s = state();
        if (s.fontTable) {
            if (c == u';')
                finishFontName();
            else
                m_fontName += c;
            return;
        }
        if (!s.skip)
            m_run += c;
    }

    void finishFontName()
    {
        // The font table names a font family; Qt resolves it as it does the windows' fonts.
        m_fonts.insert(m_fontNumber, m_fontName.trimmed());
        m_fontName.clear();
    }

    template <typename Change> void setFormat(Change change)
    {
        flush();
        change();
    }

    void paragraph()
    {
        if (state().skip)
            return;
        flush();
        m_cursor.insertBlock();
    }

    void flush()
    {
        if (m_run.isEmpty())
            return;
        const GroupState& s = state();
        QTextCharFormat format;
        format.setFontFamilies({m_fonts.value(s.font, m_family)});
        format.setFontPointSize(s.halfPoints / 2.0);
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.italic);
        m_cursor.insertText(m_run, format);
        m_run.clear();
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isHexDigit(char c)
    {
        return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }
    static int hexValue(char c) { return isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    QString m_family;
    std::vector<GroupState> m_groups;
    int m_depth = 0;
    QHash<int, QString> m_fonts;
    int m_fontNumber = 0;
    QString m_fontName;
    QString m_run;
};

} // namespace

void RtfReader::read(QByteArrayView rtf, QTextDocument& document)
{
    document.clear();
    Reader(rtf, document).run();
}
