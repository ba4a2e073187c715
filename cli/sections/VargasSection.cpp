// --with vargas: every point's sign in the sixteen divisional charts.
#include "cli/BodyKeys.h"
#include "cli/sections/Section.h"
#include "engine/ChartVargas.h"
#include "engine/PositionText.h"

namespace zodiora::cli {

namespace {

using vedic::AllVargas;
using vedic::Varga;

// "vargas": {"D1": {"Sun": 3, …}, …, "D60": {…}} with signs 1..12, then
// "vargaVariant": "parashara", the rules they follow.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const VargaSigns signs = VargaSignsOf(context.result.chart);
    json.key("vargas");
    json.beginObject();
    for (const Varga varga : AllVargas) {
        json.key(vedic::VargaName(varga));
        std::string& out = json.rawValue();
        for (std::size_t k = 0; k < PointCount; ++k) {
            out.append(BodyMemberKeys()[k]);
            AppendInteger(out, signs.sign(AllPoints[k], varga) + 1);
        }
        out.push_back('}');
    }
    json.endObject();
    std::string variant(vedic::VargaVariantName(signs.variant));
    for (char& c : variant) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    json.key("vargaVariant");
    json.plainText(variant);
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

// A table of points by the sixteen vargas, signs abbreviated; a point in
// the same sign in D1 and D9 (vargottama) is marked with an asterisk.
void AppendText(std::string& out, const SectionContext& context)
{
    const VargaSigns signs = VargaSignsOf(context.result.chart);
    out.append("\nVargas (").append(vedic::VargaVariantName(signs.variant));
    out.append(" rules; * vargottama: the same sign in D1 and D9)\n  ");
    Padded(out, "", 10);
    for (const Varga varga : AllVargas) Padded(out, vedic::VargaName(varga), 4);
    out.back() = '\n';
    for (const Body body : AllPoints) {
        out.append("  ");
        std::string name(NameOf(body));
        if (signs.vargottama(body)) name.push_back('*');
        Padded(out, name, 10);
        for (const Varga varga : AllVargas) {
            out.append(SignAbbreviation(signs.sign(body, varga)));
            out.push_back(' ');
        }
        out.back() = '\n';
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

}  // namespace

extern const OutputSection VargasSection{"vargas", "the sixteen divisional charts", AppendJson, AppendText, AppendCsvHeader, AppendCsvRow};

}  // namespace zodiora::cli
