// --with kp: every point's KP star, sub and sub-sub lord.
#include "cli/BodyKeys.h"
#include "cli/sections/FixedPieces.h"
#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "vedic/KpLords.h"

#include <array>

namespace zodiora::cli {

namespace {

using vedic::DashaLordName;

// The texts of each lord in each place, copied whole rather than appended
// bit by bit: a batch writes 39 lords per chart.
using Piece = FixedPiece<32>;

struct LordPieces {
    std::array<Piece, PointCount> keys;  // {"Sun": ,"Moon": …
    std::array<Piece, vedic::DashaLordCount> star, sub, subSub;
};

const LordPieces& Pieces()
{
    static const LordPieces pieces = [] {
        LordPieces made;
        for (std::size_t k = 0; k < PointCount; ++k) made.keys[k] = PieceOf<32>({BodyMemberKeys()[k]});
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
    char* at = BeginPieces(out, PointCount * 4 * sizeof(Piece::text) + 1);
    for (std::size_t k = 0; k < PointCount; ++k) {
        const vedic::KpLords lords = vedic::KpLordsOf(context.result.chart.longitudes[k]);
        at = Put(at, pieces.keys[k]);
        at = Put(at, pieces.star[static_cast<std::size_t>(lords.star)]);
        at = Put(at, pieces.sub[static_cast<std::size_t>(lords.sub)]);
        at = Put(at, pieces.subSub[static_cast<std::size_t>(lords.subSub)]);
    }
    *at++ = '}';
    EndPieces(out, at);
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendText(std::string& out, const SectionContext& context)
{
    out.append("\nKP lords (position, star lord, sub lord, sub-sub lord)\n");
    for (const Body body : AllPoints) {
        const double longitude = context.result.chart.longitude(body);
        const vedic::KpLords lords = vedic::KpLordsOf(longitude);
        out.append("  ");
        Padded(out, NameOf(body), 10);
        Padded(out, ShortPositionText(longitude), 11);
        Padded(out, DashaLordName(lords.star), 9);
        Padded(out, DashaLordName(lords.sub), 9);
        out.append(DashaLordName(lords.subSub));
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

}  // namespace

extern const OutputSection KpSection{"kp", "KP star, sub and sub-sub lords", AppendJson, AppendText, AppendCsvHeader, AppendCsvRow};

}  // namespace zodiora::cli
