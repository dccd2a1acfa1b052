#include "realistic_journal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>

#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "resources/format.h"

namespace tellmark::bench {

namespace {

constexpr int kCash = 1000;
constexpr int kFirstBank = 1200;
constexpr int kBanks = 11;  // 1200-1210
constexpr int kFirstCustomer = 10000;
constexpr int kCustomers = 250;
constexpr int kFirstSupplier = 20000;
constexpr int kSuppliers = 120;
constexpr int kOpeningAccount = 9000;
constexpr int kEuPurchase = 3425;
constexpr int kEuInputVat = 1579;
constexpr int kEuOutputVat = 1779;

struct RatedAccount {
    int number;
    const char* name;  // UTF-8
    int rate;          // percent; the name carries it as its preset when not 0
    double low;        // usual gross amounts, EUR
    double high;
};

const RatedAccount kRevenue[] = {
    {8400, "Erlöse", 19, 20, 15000},         {8410, "Erlöse Handelsware", 19, 10, 5000},
    {8300, "Erlöse ermäßigt", 7, 5, 3000},    {8310, "Erlöse Speisen", 7, 5, 800},
    {8500, "Provisionserlöse", 19, 50, 4000}, {8600, "Sonstige Erlöse", 19, 10, 2000},
    {8120, "Steuerfreie Umsätze", 0, 50, 8000}, {8125, "Steuerfr. EG-Lieferung", 0, 200, 20000},
};
const int kRevenueWeights[] = {50, 10, 15, 5, 5, 5, 5, 5};

const RatedAccount kPurchases[] = {
    {3400, "Wareneingang", 19, 50, 25000},   {3300, "Wareneingang", 7, 50, 8000},
    {3200, "Wareneingang", 0, 50, 5000},     {3100, "Fremdleistungen", 19, 100, 12000},
    {3800, "Bezugsnebenkosten", 19, 10, 900},
};

const RatedAccount kExpenses[] = {
    {4100, "Löhne", 0, 900, 4500},            {4120, "Gehälter", 0, 1500, 6000},
    {4130, "Gesetzl. soziale Aufw.", 0, 300, 2500}, {4210, "Miete", 0, 800, 3500},
    {4240, "Gas, Strom, Wasser", 19, 40, 900}, {4250, "Reinigung", 19, 20, 600},
    {4260, "Instandhaltung Räume", 19, 30, 2500}, {4360, "Versicherungen", 0, 20, 1800},
    {4380, "Beiträge", 0, 10, 600},           {4390, "Sonstige Abgaben", 0, 10, 400},
    {4500, "Fahrzeugkosten", 19, 10, 900},    {4510, "Kfz-Steuer", 0, 50, 600},
    {4520, "Kfz-Versicherungen", 0, 80, 1200}, {4530, "Laufende Kfz-Kosten", 19, 20, 150},
    {4540, "Kfz-Reparaturen", 19, 50, 2500},  {4600, "Werbekosten", 19, 20, 3000},
    {4610, "Werbegeschenke", 19, 5, 35},      {4650, "Bewirtungskosten", 19, 15, 400},
    {4660, "Reisekosten AN", 7, 30, 600},     {4663, "Fahrtkosten AN", 19, 5, 200},
    {4670, "Reisekosten Untern.", 7, 30, 800}, {4700, "Kosten Warenabgabe", 19, 10, 500},
    {4710, "Verpackungsmaterial", 19, 10, 700}, {4730, "Ausgangsfrachten", 19, 8, 400},
    {4800, "Reparaturen", 19, 20, 2000},      {4806, "Wartung Software", 19, 30, 1500},
    {4900, "Sonstige Kosten", 19, 5, 500},    {4910, "Porto", 0, 1, 150},
    {4920, "Telefon", 19, 20, 300},           {4925, "Internet", 19, 20, 200},
    {4930, "Bürobedarf", 19, 2, 400},         {4940, "Zeitschriften, Bücher", 7, 3, 250},
    {4945, "Fortbildung", 19, 50, 2000},      {4950, "Rechtsberatung", 19, 100, 3000},
    {4955, "Buchführungskosten", 19, 100, 1500}, {4957, "Abschlusskosten", 19, 300, 4000},
    {4960, "Mieten Einrichtung", 19, 20, 800}, {4969, "Entsorgung", 19, 15, 600},
    {4970, "Nebenkosten Geldverkehr", 0, 1, 80}, {4980, "Betriebsbedarf", 19, 3, 300},
    {4985, "Werkzeuge, Kleingeräte", 19, 5, 400}, {4990, "Kalkulatorische Kosten", 0, 10, 500},
};

const char* const kCustomerKinds[] = {"Bäckerei", "Autohaus", "Praxis", "Weingut", "Malerbetrieb",
                                      "Schreinerei", "Café", "Hotel", "Kanzlei", "Elektro"};
const char* const kSupplierKinds[] = {"Großhandel", "Druckerei", "Spedition", "Bürotechnik",
                                      "Metallbau", "Verlag", "Agentur", "Baustoffe"};
const char* const kSurnames[] = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner",
                                 "Becker", "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter",
                                 "Klein", "Wolf", "Schröder", "Neumann", "Schwarz", "Zimmermann", "Braun",
                                 "Krüger", "Hofmann", "Hartmann", "Lange"};
constexpr int kSurnameCount = static_cast<int>(std::size(kSurnames));

std::string cp1252(const std::string& utf8) { return platform::utf8ToCp1252(utf8); }

// A name whose last characters are its preset VAT rate, " 19%" at the end of the 25 characters.
std::string presetName(const char* base, int rate) {
    std::string name = cp1252(base);
    if (rate == 0) return name;
    const std::string tail = format("%i%%", rate);
    name.resize(ledger::kTextWidth - tail.size(), ' ');
    return name + tail;
}

std::string customerName(int i) {
    return cp1252(std::string(kCustomerKinds[i % 10]) + " " + kSurnames[(i / 10) % kSurnameCount]);
}
std::string supplierName(int i) {
    return cp1252(std::string(kSupplierKinds[i % 8]) + " " + kSurnames[(i / 8 + 7) % kSurnameCount]);
}

// splitmix64: small, fast and the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    // Gross amounts spread evenly on a log scale between low and high, in cents.
    long cents(double low, double high) {
        const double value = low * std::exp(unit() * std::log(high / low));
        return std::max(1L, std::lround(value * 100.0));
    }

private:
    std::uint64_t state_;
};

struct OpenItem {
    int party;
    long cents;
    long invoice;
};

class Writer {
public:
    Writer(RealisticJournal& out, long total) : out_(out), total_(total) {}

    void add(int dayOfYear, const std::string& doc, int debit, int credit, const std::string& text, long cents,
             int rate) {
        ledger::BookingTexts t{dateText(dayOfYear), doc, format("%5i", debit), format("%5i", credit), text,
                               format("%11.2f", static_cast<double>(cents) / 100.0), format("%5.2f", rate * 1.0)};
        const ledger::JournalRecord r = ledger::makeJournalRecord(t);
        out_.records.append(r.data(), r.size());
        ++out_.count;
    }
    long left() const { return total_ - out_.count; }

private:
    // "DD.MM" of a day of 2009 (0 = 1 January).
    static std::string dateText(int dayOfYear) {
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int month = 0;
        while (dayOfYear >= kDays[month]) dayOfYear -= kDays[month++];
        return format("%02i.%02i", dayOfYear + 1, month + 1);
    }
    RealisticJournal& out_;
    long total_;
};

template <std::size_t N>
int weighted(Random& random, const int (&weights)[N]) {
    int sum = 0;
    for (int w : weights) sum += w;
    int pick = random.below(sum);
    for (std::size_t i = 0; i < N; ++i) {
        if (pick < weights[i]) return static_cast<int>(i);
        pick -= weights[i];
    }
    return 0;
}

OpenItem takeOpenItem(std::deque<OpenItem>& items, Random& random) {
    const int at = random.below(static_cast<int>(std::min<std::size_t>(items.size(), 64)));
    OpenItem item = items[static_cast<std::size_t>(at)];
    items.erase(items.begin() + at);
    return item;
}

}  // namespace

std::vector<RealisticAccount> realisticChart() {
    std::vector<RealisticAccount> chart;
    chart.push_back({kCash, "Kasse"});
    for (int b = 0; b < kBanks; ++b) chart.push_back({kFirstBank + b, format("Bank Girokonto %i", b + 1)});
    chart.push_back({1360, "Geldtransit"});
    chart.push_back({kEuInputVat, "Vorsteuer EU-Lieferungen"});
    chart.push_back({kEuOutputVat, "Mwst. EU-Lieferungen"});
    chart.push_back({1800, "Privatentnahmen"});
    chart.push_back({kOpeningAccount, cp1252("Saldenvorträge Sachkonten")});
    chart.push_back({kEuPurchase, cp1252("Innergem. Erwerb 19% VSt")});
    for (const RatedAccount& a : kPurchases) chart.push_back({a.number, presetName(a.name, a.rate)});
    for (const RatedAccount& a : kExpenses) chart.push_back({a.number, presetName(a.name, a.rate)});
    for (const RatedAccount& a : kRevenue) chart.push_back({a.number, presetName(a.name, a.rate)});
    for (int i = 0; i < kCustomers; ++i) chart.push_back({kFirstCustomer + i, customerName(i)});
    for (int i = 0; i < kSuppliers; ++i) chart.push_back({kFirstSupplier + i, supplierName(i)});
    return chart;
}

RealisticJournal realisticJournal(long bookings) {
    RealisticJournal out;
    out.records.reserve(static_cast<std::size_t>(bookings) * ledger::kJournalRecordSize);
    Writer w(out, bookings);
    Random random(20090101);
    std::deque<OpenItem> receivables, payables;
    long nextDoc = 1;
    long cashReceipt = 1;

    // Opening balances carried forward: the till, every bank, some customers and suppliers.
    auto opening = [&](int debit, int credit, const std::string& what, long cents) {
        if (w.left() > 0) w.add(0, "EB", debit, credit, "EB-Wert " + what, cents, 0);
    };
    opening(kCash, kOpeningAccount, "Kasse", random.cents(200, 3000));
    for (int b = 0; b < kBanks; ++b)
        opening(kFirstBank + b, kOpeningAccount, format("Bank %i", b + 1), random.cents(1000, 90000));
    for (int i = 0; i < 20; ++i) {
        const long cents = random.cents(100, 8000);
        opening(kFirstCustomer + i * 7, kOpeningAccount, customerName(i * 7), cents);
        receivables.push_back({i * 7, cents, 0});
    }
    for (int i = 0; i < 10; ++i) {
        const long cents = random.cents(100, 8000);
        opening(kOpeningAccount, kFirstSupplier + i * 5, supplierName(i * 5), cents);
        payables.push_back({i * 5, cents, 0});
    }

    auto bankOf = [&]() { return kFirstBank + (random.below(10) < 6 ? 0 : random.below(kBanks)); };
    auto statement = [](int bank, int day) { return format("A%02i%03i", bank - kFirstBank + 1, day + 1); };
    auto invoiceText = [](const char* what, long invoice, const std::string& party) {
        return invoice > 0 ? format("%s %06li ", what, invoice) + party : format("%s EB ", what) + party;
    };

    while (w.left() > 0) {
        // Entered roughly in date order: a few days back or ahead of the steady course through the year.
        const int day = std::clamp(static_cast<int>(out.count * 365 / bookings) + random.below(5) - 2, 0, 364);
        const int kind = random.below(100);
        if (kind < 30 || (kind < 52 && receivables.empty())) {
            const RatedAccount& revenue = kRevenue[weighted(random, kRevenueWeights)];
            const int customer = random.below(kCustomers);
            const long cents = random.cents(revenue.low, revenue.high);
            const long invoice = nextDoc++;
            w.add(day, format("%06li", invoice), kFirstCustomer + customer, revenue.number,
                  invoiceText("Rg", invoice, customerName(customer)), cents, revenue.rate);
            receivables.push_back({customer, cents, invoice});
        } else if (kind < 52) {
            const OpenItem item = takeOpenItem(receivables, random);
            // Now and then a customer pays short (a deduction or part payment).
            const long cents = random.below(10) == 0 ? std::max(1L, item.cents - random.cents(1, 50)) : item.cents;
            const int bank = bankOf();
            w.add(day, statement(bank, day), bank, kFirstCustomer + item.party,
                  invoiceText("Zlg Rg", item.invoice, customerName(item.party)), cents, 0);
        } else if (kind < 55) {
            // The till's takings of the day, paid into the bank now and then.
            if (random.below(4) == 0) {
                w.add(day, format("K%05li", cashReceipt), kFirstBank, kCash, format("Bankeinzahlung K%05li", cashReceipt),
                      random.cents(500, 3000), 0);
                ++cashReceipt;
            } else {
                const RatedAccount& revenue = kRevenue[random.below(2) == 0 ? 3 : 1];
                w.add(day, format("K%05li", cashReceipt), kCash, revenue.number,
                      format("Tageseinnahmen K%05li", cashReceipt), random.cents(300, 3000), revenue.rate);
                ++cashReceipt;
            }
        } else if (kind < 68 || (kind < 82 && payables.empty())) {
            const int supplier = random.below(kSuppliers);
            const long invoice = nextDoc++;
            if (random.below(40) == 0 && w.left() >= 2) {
                // Intra-EU acquisition: the net amount, and the VAT on it between the EU VAT accounts.
                const long net = random.cents(200, 20000);
                const std::string text = invoiceText("EU-Erwerb", invoice, supplierName(supplier));
                w.add(day, format("%06li", invoice), kEuPurchase, kFirstSupplier + supplier, text, net, 0);
                w.add(day, format("%06li", invoice), kEuInputVat, kEuOutputVat, text, (net * 19 + 50) / 100, 19);
                payables.push_back({supplier, net, invoice});
            } else {
                const RatedAccount& purchase = kPurchases[random.below(static_cast<int>(std::size(kPurchases)))];
                const long cents = random.cents(purchase.low, purchase.high);
                w.add(day, format("%06li", invoice), purchase.number, kFirstSupplier + supplier,
                      invoiceText("ER", invoice, supplierName(supplier)), cents, purchase.rate);
                payables.push_back({supplier, cents, invoice});
            }
        } else if (kind < 82) {
            const OpenItem item = takeOpenItem(payables, random);
            const int bank = bankOf();
            w.add(day, statement(bank, day), kFirstSupplier + item.party, bank,
                  invoiceText("Zlg ER", item.invoice, supplierName(item.party)), item.cents, 0);
        } else {
            const RatedAccount& expense = kExpenses[random.below(static_cast<int>(std::size(kExpenses)))];
            const long cents = random.cents(expense.low, expense.high);
            const long receipt = nextDoc++;
            const std::string what = cp1252(expense.name).substr(0, 15);
            // Small amounts are paid from the till, the rest from a bank.
            if (cents < 15000 && random.below(3) == 0) {
                w.add(day, format("%06li", receipt), expense.number, kCash,
                      format("%s K%05li", what.c_str(), cashReceipt++), cents, expense.rate);
            } else {
                w.add(day, format("%06li", receipt), expense.number, bankOf(),
                      format("%s B%06li", what.c_str(), receipt), cents, expense.rate);
            }
        }
    }
    out.nextDocumentNumber = nextDoc;
    return out;
}

}  // namespace tellmark::bench
