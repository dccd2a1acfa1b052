#include "exports/gdpdu_index_xml.h"

#include "config/text_helpers.h"
#include "resources/format.h"
#include "resources/texts_exports_gdpdu.h"

namespace tellmark::exports {

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    config::xmlText(text, out, text::kGdpduXmlTextLimit);
    return out;
}

class XmlLines {
public:
    void line(std::string_view fixed) {
        out_.append(fixed);
        out_.append(text::kGdpduXmlLineEnd);
    }
    // A template with one "%s" for a text, escaped.
    void withText(std::string_view templ, std::string_view value) {
        line(format(templ, Escaped(value).c_str()));
    }
    void withNumber(std::string_view templ, int value) { line(format(templ, value)); }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

struct TableTexts {
    std::string_view name;
    std::string_view description;
};

TableTexts TextsOf(GdpduTableKind kind) {
    switch (kind) {
    case GdpduTableKind::Journal: return {text::kGdpduJournalName, text::kGdpduJournalDescription};
    case GdpduTableKind::CashBook: return {text::kGdpduCashBookName, text::kGdpduCashBookDescription};
    case GdpduTableKind::AccountSheets: return {text::kGdpduSheetsName, text::kGdpduSheetsDescription};
    case GdpduTableKind::Balances: break;
    }
    return {text::kGdpduBalancesName, text::kGdpduBalancesDescription};
}

void Column(XmlLines& xml, const GdpduColumn& column, int from) {
    xml.line(text::kGdpduXmlColumn);
    xml.withText(text::kGdpduXmlColumnName, column.name);
    xml.withText(text::kGdpduXmlColumnDescription, column.description);
    switch (column.kind) {
    case ColumnKind::Numeric:
        xml.line(text::kGdpduXmlNumeric);
        xml.withNumber(text::kGdpduXmlAccuracy, column.accuracy);
        xml.line(text::kGdpduXmlNumericEnd);
        break;
    case ColumnKind::AlphaNumeric: xml.line(text::kGdpduXmlAlphaNumeric); break;
    case ColumnKind::Date:
        xml.line(text::kGdpduXmlDate);
        xml.line(text::kGdpduXmlDateFormat);
        xml.line(text::kGdpduXmlDateEnd);
        break;
    }
    xml.line(text::kGdpduXmlRange);
    xml.withNumber(text::kGdpduXmlRangeFrom, from);
    xml.withNumber(text::kGdpduXmlRangeTo, from + column.width - 1);
    xml.line(text::kGdpduXmlRangeEnd);
    xml.line(text::kGdpduXmlColumnEnd);
}

}  // namespace

std::string GdpduIndexXml(const GdpduIndex& index) {
    XmlLines xml;
    xml.line(text::kGdpduXmlDeclaration);
    xml.line(text::kGdpduXmlDoctype);
    xml.line(text::kGdpduXmlDataSet);
    xml.line(text::kGdpduXmlVersion);
    xml.line(text::kGdpduXmlSupplier);
    xml.withText(text::kGdpduXmlSupplierName, index.company);
    xml.withText(text::kGdpduXmlSupplierLocation, index.place);
    xml.line(text::kGdpduXmlSupplierComment);
    xml.line(text::kGdpduXmlSupplierEnd);
    xml.line(text::kGdpduXmlMedia);
    xml.withText(text::kGdpduXmlMediaName, text::kGdpduMediaName);
    for (const GdpduIndexTable& table : index.tables) {
        const TableTexts texts = TextsOf(table.kind);
        xml.line(text::kGdpduXmlTable);
        xml.withText(text::kGdpduXmlTableUrl, table.url);
        xml.withText(text::kGdpduXmlTableName, format(texts.name, index.firstYear, index.secondYear));
        xml.withText(text::kGdpduXmlTableDescription, texts.description);
        xml.line(text::kGdpduXmlDecimalSymbol);
        xml.line(text::kGdpduXmlGroupingSymbol);
        xml.line(text::kGdpduXmlFixedLength);
        int from = 1;
        for (const GdpduColumn& column : GdpduColumns(table.kind)) {
            Column(xml, column, from);
            from += column.width;
        }
        xml.line(text::kGdpduXmlFixedLengthEnd);
        xml.line(text::kGdpduXmlTableEnd);
    }
    xml.line(text::kGdpduXmlMediaEnd);
    xml.line(text::kGdpduXmlDataSetEnd);
    return xml.take();
}

}  // namespace tellmark::exports
