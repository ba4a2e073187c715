// --with kp: every point's KP star, sub and sub-sub lord.
#include "cli/BodyKeys.h"
#include "cli/sections/FixedPieces.h"
#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "vedic/KpLords.h"

#include <algorithm>
#include <array>
#include <span>

namespace zodiora::cli {

namespace kp_section {

using vedic::DashaLordName;

// The texts of each lord in each place, copied whole rather than appended
// bit by bit: a batch writes 39 lords per chart.
using Piece = FixedPiece<32>;

struct LordPieces {
    std::array<Piece, vedic::DashaLordCount> star, sub, subSub;
};

const LordPieces& Pieces()
{
    static const LordPieces pieces = [] {
        LordPieces made;
        for (int l = 0; l < vedic::DashaLordCount; ++l) {
            const std::string_view name = DashaLordName(static_cast<vedic::DashaLord>(l));
            const auto at = static_cast<std::size_t>(l);
            made.star[at] = PieceOf<32>({R"({"star":")", name});
            made.sub[at] = PieceOf<32>({R"(","sub":")", name});
            made.subSub[at] = PieceOf<32>({R"(","subSub":")", name, "\"}"});
        }
        return made;
    }();
    return pieces;
}

// "kp": {"Sun": {"star": "Venus", "sub": "Ketu", "subSub": "Moon"}, …}
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    json.key("kp");
    std::string& out = json.rawValue();
    const LordPieces& pieces = Pieces();
    const auto& keys = BodyMemberKeyPieces();  // {"Sun": ,"Moon": …
    char* at = BeginPieces(out, PointCount * (BodyKeyRoom + 3 * sizeof(Piece::text)) + 1);
    for (std::size_t k = 0; k < PointCount; ++k) {
        const vedic::KpLords lords = vedic::KpLordsOf(context.result.chart.longitudes[k]);
        at = Put(at, keys[k]);
        at = Put(at, pieces.star[static_cast<std::size_t>(lords.star)]);
        at = Put(at, pieces.sub[static_cast<std::size_t>(lords.sub)]);
        at = Put(at, pieces.subSub[static_cast<std::size_t>(lords.subSub)]);
    }
    *at++ = '}';
    EndPieces(out, at);
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    out.append("\n").append(words.label("KP lords (position, star lord, sub lord, sub-sub lord)")).append("\n");
    // Other words than the plain English ones widen the columns to the widest.
    std::size_t nameWidth = 10;
    std::size_t lordWidth = 9;
    std::size_t positionWidth = 11;
    for (const Body body : words.plainEnglish() ? std::span<const Body>{} : std::span<const Body>{AllPoints}) {
        nameWidth = std::max(nameWidth, words.width(words.body(NameOf(body))) + 1);
        const std::string position = words.position(ShortPositionText(context.result.chart.longitude(body)));
        positionWidth = std::max(positionWidth, words.width(position) + 2);
    }
    for (int l = 0; l < (words.plainEnglish() ? 0 : vedic::DashaLordCount); ++l) {
        lordWidth = std::max(lordWidth, words.width(words.body(DashaLordName(static_cast<vedic::DashaLord>(l)))) + 2);
    }
    for (const Body body : AllPoints) {
        const double longitude = context.result.chart.longitude(body);
        const vedic::KpLords lords = vedic::KpLordsOf(longitude);
        out.append("  ");
        words.pad(out, words.body(NameOf(body)), nameWidth);
        words.pad(out, words.position(ShortPositionText(longitude)), positionWidth);
        words.pad(out, words.body(DashaLordName(lords.star)), lordWidth);
        words.pad(out, words.body(DashaLordName(lords.sub)), lordWidth);
        out.append(words.body(DashaLordName(lords.subSub)));
        out.push_back('\n');
    }
}

// Sun_star, Sun_sub, Sun_subSub, … Ketu_subSub.
void AppendCsvHeader(std::string& out)
{
    for (const Body body : AllPoints) {
        for (const std::string_view column : {"_star", "_sub", "_subSub"}) {
            out.push_back(',');
            out.append(NameOf(body)).append(column);
        }
    }
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    for (std::size_t k = 0; k < PointCount; ++k) {
        const vedic::KpLords lords = vedic::KpLordsOf(context.result.chart.longitudes[k]);
        for (const vedic::DashaLord lord : {lords.star, lords.sub, lords.subSub}) {
            out.push_back(',');
            out.append(DashaLordName(lord));
        }
    }
}

}  // namespace kp_section

extern const OutputSection KpSection{"kp", "KP star, sub and sub-sub lords", kp_section::AppendJson, kp_section::AppendText, kp_section::AppendCsvHeader, kp_section::AppendCsvRow};

}  // namespace zodiora::cli
