#pragma once
// How a booking line is split: the posting type follows from the account kinds of its debit and credit
// account alone, and each type says which share of the gross amount and of the VAT goes where.

#include "chart/account_classes.h"

namespace tellmark::posting {

// Posting types. A money side is a financial account, a customer or a supplier.
inline constexpr int kPostingPlain = 1000;                  // no VAT split
inline constexpr int kPostingInputVatOnCredit = 1001;       // money in, purchase/expense credited
inline constexpr int kPostingInputVatOnDebit = 1002;        // purchase/expense paid
inline constexpr int kPostingEuPair = 1003;                 // EU input VAT against EU output VAT
inline constexpr int kPostingOutputVatOnCredit = 1004;      // revenue received
inline constexpr int kPostingOutputVatOnDebit = 1005;       // revenue paid back, discount granted
inline constexpr int kPostingSpecialOutputVatOnCredit = 1006;
inline constexpr int kPostingSpecialOutputVatOnDebit = 1007;

// The posting type from the account kinds (codes of chart::AccountKind); the first matching rule wins.
int postingTypeOf(int debitKind, int creditKind);

struct Classification {
    int debitKind;
    int creditKind;
    int postingType;
};
Classification classify(int debitNumber, int creditNumber, int chart);

// Which standard VAT account receives the VAT share.
enum class VatAccount { None, Input, Output };

// What each account of a line receives, for gross amount A and VAT amount V (signed as entered).
struct PostingSplit {
    double debit;
    double credit;
    double vat;
    VatAccount vatAccount;
};
PostingSplit splitOf(int postingType, double amount, double vat);

// Standard VAT accounts: 1570 / 1770 in chart 03; every other chart value is treated as chart 04 here
// (1400 / 3800), as the balance file creates them.
int standardInputVatAccount(int chart);
int standardOutputVatAccount(int chart);
bool isStandardVatAccount(int number, int chart);

// The EU VAT pair (1579 / 1779, chart 04: 1409 / 3809) whose lines carry no VAT of their own; chart 04
// only for the value 4, as the journal decides it when it derives the VAT of a line.
int euInputVatAccount(int chart);
int euOutputVatAccount(int chart);

}  // namespace tellmark::posting
