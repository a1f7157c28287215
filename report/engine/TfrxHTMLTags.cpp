#include "report/engine/TfrxHTMLTags.h"

#include "common/Rounding.h"

#include <array>
#include <utility>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

// Colour names of the font tag, without their "cl" prefix.
constexpr std::array<NamedColor, 17> kColorNames = {{
    {"black", 0x000000},
    {"maroon", 0x000080},
    {"green", 0x008000},
    {"olive", 0x008080},
    {"navy", 0x800000},
    {"purple", 0x800080},
    {"teal", 0x808000},
    {"gray", 0x808080},
    {"grey", 0x808080},
    {"silver", 0xC0C0C0},
    {"red", 0x0000FF},
    {"lime", 0x00FF00},
    {"yellow", 0x00FFFF},
    {"blue", 0xFF0000},
    {"fuchsia", 0xFF00FF},
    {"aqua", 0xFFFF00},
    {"white", 0xFFFFFF},
}};

constexpr std::array<std::pair<const char*, int>, 4> kStyleTags = {
    {{"b", kStyleBold}, {"i", kStyleItalic}, {"u", kStyleUnderline}, {"strike", kStyleStrikeOut}}};

// "#RRGGBB" in double quotes, or a colour name (quotes allowed).
bool parseColor(QString value, TColor& color)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    if (value.startsWith(u'#') && value.size() == 7) {
        bool ok = false;
        const uint rgb = value.mid(1).toUInt(&ok, 16);
        if (!ok)
            return false;
        color = static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
        return true;
    }
    QString name = value.toLower();
    if (name.startsWith(QLatin1String("cl")))
        name = name.mid(2);
    for (const NamedColor& c : kColorNames)
        if (name == QLatin1String(c.name)) {
            color = c.color;
            return true;
        }
    return false;
}

QString colorText(TColor color)
{
    const uint32_t v = static_cast<uint32_t>(color);
    return QStringLiteral("#%1%2%3")
        .arg(v & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((v >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((v >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

bool TfrxHTMLTag::SameLook(const TfrxHTMLTag& other) const
{
    return Size == other.Size && AddY == other.AddY && Style == other.Style && Color == other.Color &&
           Small == other.Small && SubType == other.SubType;
}

void TfrxHTMLTagsList::Init(int defaultSize, int defaultStyle, TColor defaultColor, bool allowTags)
{
    FDefault = TfrxHTMLTag();
    FDefault.Size = defaultSize;
    FDefault.Style = defaultStyle;
    FDefault.Color = defaultColor;
    FState = FDefault;
    FAllowTags = allowTags;
}

TfrxHTMLTag TfrxHTMLTagsList::Current(int position) const
{
    TfrxHTMLTag tag = FState;
    tag.Position = position;
    return tag;
}

QString TfrxHTMLTagsList::Expand(const QString& paragraph, int position, TfrxHTMLTags& records)
{
    QString plain;
    plain.reserve(paragraph.size());
    for (int i = 0; i < paragraph.size();) {
        const int tagLength = FAllowTags && paragraph[i] == u'<' ? ApplyTag(paragraph, i) : 0;
        if (tagLength > 0) {
            i += tagLength;
            continue;
        }
        records.append(Current(position + static_cast<int>(plain.size())));
        plain.append(paragraph[i]);
        ++i;
    }
    return plain;
}

int TfrxHTMLTagsList::ApplyTag(const QString& text, int i)
{
    const int close = static_cast<int>(text.indexOf(u'>', i + 1));
    if (close < 0)
        return 0;
    const bool closing = i + 1 < text.size() && text[i + 1] == u'/';
    const QString body = text.mid(i + (closing ? 2 : 1), close - i - (closing ? 2 : 1));
    const QString name = body.toLower();
    const int length = close - i + 1;

    for (const auto& [tagName, bit] : kStyleTags)
        if (name == QLatin1String(tagName)) {
            FState.Style = closing ? (FState.Style & ~bit) : (FState.Style | bit);
            UpdateDefault();
            return length;
        }
    if (name == QLatin1String("nowrap")) {
        FState.DontWRAP = !closing;
        return length;
    }
    if (name == QLatin1String("sub") || name == QLatin1String("sup")) {
        const bool sub = name == QLatin1String("sub");
        FState.Size = closing ? FDefault.Size : static_cast<int>(roundHalfEven(FDefault.Size / 1.5));
        FState.Small = !closing;
        FState.AddY = !closing && sub ? 1 : 0;
        FState.SubType = closing ? ssNormal : (sub ? ssSubscript : ssSuperscript);
        UpdateDefault();
        return length;
    }
    if (closing && name == QLatin1String("font")) {
        FState.Color = FDefault.Color;
        UpdateDefault();
        return length;
    }
    if (!closing && name.startsWith(QLatin1String("font color="))) {
        TColor color;
        if (!parseColor(body.mid(11).trimmed(), color))
            return 0;
        FState.Color = color;
        UpdateDefault();
        return length;
    }
    return 0;
}

void TfrxHTMLTagsList::UpdateDefault()
{
    FState.Default = FState.SameLook(FDefault);
}

QString TfrxHTMLTagsList::OpeningTags(const TfrxHTMLTag& tag) const
{
    QString s;
    for (const auto& [tagName, bit] : kStyleTags)
        if ((tag.Style & bit) && !(FDefault.Style & bit))
            s += QStringLiteral("<%1>").arg(QLatin1String(tagName));
    if (tag.SubType == ssSubscript)
        s += QStringLiteral("<sub>");
    else if (tag.SubType == ssSuperscript)
        s += QStringLiteral("<sup>");
    if (tag.Color != FDefault.Color)
        s += QStringLiteral("<font color=\"%1\">").arg(colorText(tag.Color));
    if (tag.DontWRAP)
        s += QStringLiteral("<nowrap>");
    return s;
}

QString TfrxHTMLTagsList::ClosingTags(const TfrxHTMLTag& tag) const
{
    QString s;
    if (tag.DontWRAP)
        s += QStringLiteral("</nowrap>");
    if (tag.Color != FDefault.Color)
        s += QStringLiteral("</font>");
    if (tag.SubType == ssSubscript)
        s += QStringLiteral("</sub>");
    else if (tag.SubType == ssSuperscript)
        s += QStringLiteral("</sup>");
    for (const auto& [tagName, bit] : kStyleTags)
        if ((tag.Style & bit) && !(FDefault.Style & bit))
            s += QStringLiteral("</%1>").arg(QLatin1String(tagName));
    return s;
}

QString TfrxHTMLTagsList::Retag(const QString& plain, const TfrxHTMLTags& records, int first, int last) const
{
    if (!FAllowTags)
        return plain.mid(first, last - first);
    QString s;
    const TfrxHTMLTag* open = &FDefault;
    for (int i = first; i < last; ++i) {
        const TfrxHTMLTag& r = records[i];
        if (!r.SameLook(*open) || r.DontWRAP != open->DontWRAP) {
            s += ClosingTags(*open) + OpeningTags(r);
            open = &r;
        }
        s += plain[i];
    }
    return s + ClosingTags(*open);
}

QString frxDeleteTags(const QString& text)
{
    TfrxHTMLTagsList tags;
    tags.Init(0, 0, clBlack, true);
    TfrxHTMLTags records;
    return tags.Expand(text, 0, records);
}
