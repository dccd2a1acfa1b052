#include "entry/booking_columns.h"

#include "config/text_helpers.h"

namespace tellmark::entry {

bool splitColumns(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(std::move(field));
    return !quoted;
}

bool isHeaderLine(const std::vector<std::string>& fields) {
    return !fields.empty() && fields[0].find_first_of("0123456789") == std::string::npos;
}

bool bookingKindOfName(std::string_view name, posting::BookingKind& kind) {
    static const struct {
        std::string_view name;
        posting::BookingKind kind;
    } kinds[] = {{"", posting::BookingKind::Normal},          {"normal", posting::BookingKind::Normal},
                 {"netto", posting::BookingKind::Net},        {"reisekosten", posting::BookingKind::TravelCosts},
                 {"skonto", posting::BookingKind::Discount},  {"eu", posting::BookingKind::Eu},
                 {"13b", posting::BookingKind::ReverseCharge}};
    for (const auto& k : kinds) {
        if (k.name != name) continue;
        kind = k.kind;
        return true;
    }
    return false;
}

std::string bookingOfColumns(const std::vector<std::string>& fields, TypedBooking& booking) {
    if (fields.size() > kBookingColumns)
        return "more than " + std::to_string(kBookingColumns) + " columns";
    auto column = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    booking = TypedBooking{};
    booking.date = column(0);
    booking.document = column(1);
    booking.debit = column(2);
    booking.credit = column(3);
    booking.text = column(4);
    booking.amount = column(5);
    booking.rate = column(6);
    std::string kind = column(7);
    while (!kind.empty() && kind.back() == ' ') kind.pop_back();
    while (!kind.empty() && kind.front() == ' ') kind.erase(kind.begin());
    if (!bookingKindOfName(kind, booking.kind)) return "unknown kind '" + kind + "'";
    booking.paid = column(8);
    booking.discount = column(9);
    const bool discount = booking.kind == posting::BookingKind::Discount;
    const struct {
        const std::string& field;
        const char* name;
        bool needed;
    } required[] = {{booking.date, "date", true},           {booking.debit, "debit", true},
                    {booking.credit, "credit", true},       {booking.amount, "amount", !discount},
                    {booking.paid, "paid", discount},       {booking.discount, "discount", discount},
                    {booking.rate, "rate", discount}};
    for (const auto& r : required)
        if (r.needed && config::isBlank(r.field)) return std::string("no ") + r.name;
    return {};
}

}  // namespace tellmark::entry
