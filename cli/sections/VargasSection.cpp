// --with vargas: every point's sign in the sixteen divisional charts.
#include "cli/BodyKeys.h"
#include "cli/sections/FixedPieces.h"
#include "cli/sections/Section.h"
#include "engine/ChartVargas.h"
#include "engine/PositionText.h"

#include <algorithm>
#include <array>
#include <string>

namespace zodiora::cli {

namespace vargas_section {

using vedic::AllVargas;
using vedic::Varga;

// Each varga's opening, {"D1": then ,"D2": …, and each point's member with
// each sign, {"Sun":1 … ,"Neptune":12: the 208 signs of a chart are copied
// from these, not formatted (a batch writes them for every chart).
using Piece = FixedPiece<16>;

const std::array<Piece, vedic::VargaCount>& VargaOpenings()
{
    static const auto openings = [] {
        std::array<Piece, vedic::VargaCount> pieces;
        for (const Varga varga : AllVargas) {
            pieces[static_cast<std::size_t>(varga)] =
                PieceOf<16>({varga == Varga::D1 ? "{\"" : ",\"", vedic::VargaName(varga), "\":"});
        }
        return pieces;
    }();
    return openings;
}

const std::array<std::array<Piece, 12>, PointCount>& SignMembers()
{
    static const auto members = [] {
        std::array<std::array<Piece, 12>, PointCount> pieces;
        for (std::size_t k = 0; k < PointCount; ++k) {
            for (int sign = 0; sign < 12; ++sign) {
                pieces[k][static_cast<std::size_t>(sign)] =
                    PieceOf<16>({BodyMemberKeys()[k], std::to_string(sign + 1)});
            }
        }
        return pieces;
    }();
    return members;
}

// "parashara", "parivritti".
std::string_view LowerCaseName(vedic::VargaVariant variant)
{
    static const auto names = [] {
        std::array<std::string, 2> lower;
        for (const auto v : {vedic::VargaVariant::Parashara, vedic::VargaVariant::Parivritti}) {
            std::string name(vedic::VargaVariantName(v));
            for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            lower[static_cast<std::size_t>(v)] = std::move(name);
        }
        return lower;
    }();
    return names[static_cast<std::size_t>(variant)];
}

// "vargas": {"D1": {"Sun": 3, …}, …, "D60": {…}} with signs 1..12, then
// "vargaVariant": "parashara", the rules they follow.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const VargaSigns signs = VargaSignsOf(context.result.chart);
    json.key("vargas");
    std::string& out = json.rawValue();
    char* at = BeginPieces(out, (vedic::VargaCount * (PointCount + 1) + 1) * sizeof(Piece::text) + 2);
    for (const Varga varga : AllVargas) {
        at = Put(at, VargaOpenings()[static_cast<std::size_t>(varga)]);
        for (std::size_t k = 0; k < PointCount; ++k) {
            at = Put(at, SignMembers()[k][static_cast<std::size_t>(signs.points[k].sign(varga))]);
        }
        *at++ = '}';
    }
    *at++ = '}';
    EndPieces(out, at);
    json.key("vargaVariant");
    json.plainText(LowerCaseName(signs.variant));
}

// A table of points by the sixteen vargas, signs abbreviated (in Hindi the
// names, as short on screen); a point in the same sign in D1 and D9
// (vargottama) is marked with an asterisk.
void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const VargaSigns signs = VargaSignsOf(context.result.chart);
    std::array<std::string, 12> signTexts;
    std::size_t cell = 4;
    for (int k = 0; k < 12; ++k) {
        signTexts[static_cast<std::size_t>(k)] = words.signShort(k);
        cell = std::max(cell, words.width(signTexts[static_cast<std::size_t>(k)]) + 1);
    }
    std::array<std::string, PointCount> names;
    std::size_t nameWidth = 10;
    for (const Body body : AllPoints) {
        std::string& name = names[IndexOf(body)];
        name = words.body(NameOf(body));
        if (signs.vargottama(body)) name.push_back('*');
        nameWidth = std::max(nameWidth, words.width(name) + 1);
    }
    out.append("\n").append(words.fill("Vargas ({} rules; * vargottama: the same sign in D1 and D9)",
                                      {words.label(vedic::VargaVariantName(signs.variant))}));
    out.append("\n  ");
    words.pad(out, "", nameWidth);
    for (const Varga varga : AllVargas) words.pad(out, vedic::VargaName(varga), cell);
    while (out.back() == ' ') out.pop_back();
    out.push_back('\n');
    for (const Body body : AllPoints) {
        out.append("  ");
        words.pad(out, names[IndexOf(body)], nameWidth);
        for (const Varga varga : AllVargas) {
            words.pad(out, signTexts[static_cast<std::size_t>(signs.sign(body, varga))], cell);
        }
        while (out.back() == ' ') out.pop_back();
        out.push_back('\n');
    }
}

// D1_Sun, D1_Moon, … D60_Ketu.
void AppendCsvHeader(std::string& out)
{
    for (const Varga varga : AllVargas) {
        for (const Body body : AllPoints) {
            out.push_back(',');
            out.append(vedic::VargaName(varga)).append("_").append(NameOf(body));
        }
    }
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const VargaSigns signs = VargaSignsOf(context.result.chart);
    for (const Varga varga : AllVargas) {
        for (const Body body : AllPoints) {
            out.push_back(',');
            AppendInteger(out, signs.sign(body, varga) + 1);
        }
    }
}

}  // namespace vargas_section

extern const OutputSection VargasSection{"vargas", "the sixteen divisional charts", vargas_section::AppendJson, vargas_section::AppendText, vargas_section::AppendCsvHeader, vargas_section::AppendCsvRow};

}  // namespace zodiora::cli
