#pragma once
// The settings record of a booking circle, as read from section "[BUCHUNGSKREIS]" of its settings file.
// Every other part of the program uses these fields, never the raw keys.

#include <cstddef>
#include <string>

namespace tellmark::config {

// Field capacities in characters.
inline constexpr std::size_t kCircleNameLength = 56;
inline constexpr std::size_t kCurrencyLength = 3;
inline constexpr std::size_t kDocumentNumberLength = 6;
inline constexpr std::size_t kPathLength = 259;

// Data for the electronic VAT filing.
struct ElsterData {
    static constexpr std::size_t kTaxNumberLength = 13;
    static constexpr std::size_t kTaxOfficeLength = 8;
    static constexpr std::size_t kNameLength = 45;
    static constexpr std::size_t kStreetLength = 30;
    static constexpr std::size_t kPostcodeLength = 5;
    static constexpr std::size_t kTownLength = 29;
    static constexpr std::size_t kPhoneLength = 20;
    static constexpr std::size_t kEmailLength = 70;

    std::string taxNumber;     // "ElsterStNr"
    std::string taxOffice;     // "ElsterFaNr"
    std::string name;          // "ElsterName"
    std::string street;        // "ElsterStrasse"
    std::string postcode;      // "ElsterPlz"
    std::string town;          // "ElsterOrt"
    std::string phone;         // "ElsterTelefon"
    std::string email;         // "ElsterEmail"
};

// Settings of the DATEV export, stored as typed.
struct DatevData {
    static constexpr std::size_t kAdviserLength = 7;
    static constexpr std::size_t kClientLength = 5;
    static constexpr std::size_t kDfvLength = 2;
    static constexpr std::size_t kPasswordLength = 4;
    static constexpr std::size_t kCarrierLength = 3;
    static constexpr std::size_t kAccountingNumberLength = 6;
    static constexpr std::size_t kFromLength = 5;
    static constexpr std::size_t kToLength = 5;
    static constexpr std::size_t kCurrencyLength = 3;

    std::string adviserNumber;     // "DatevStbNr"
    std::string clientNumber;      // "DatevMandantNr"
    std::string dfv;               // "DatevDFV"
    std::string password;          // "DatevPasswort"
    std::string carrierNumber;     // "DatevDatenTrNr"
    std::string accountingNumber;  // "DatevAbrechNr"
    std::string from;              // "DatevVon"
    std::string to;                // "DatevBis"
    std::string currency;          // "DatevWaehrung"
    std::string exportPath;        // "DatevExpPfad"
};

struct CircleSettings {
    std::string name;              // company name and address for report headings
    std::string password;          // "BK-Passwort", unscrambled
    int chart = 0;                 // 3 or 4; anything but 4 counts as chart 03
    int year = 0;                  // calendar year, or the span code (809 for 2008/2009)
    int firstMonthSetting = 0;     // "1.Monat" as stored
    int vatOn = 0;
    int cashBasis = 0;             // 1: cash-basis result, 0: balance sheet with profit and loss
    std::string currency1;
    std::string currency2;
    std::string currencyFactor;
    std::string nextDocumentNumber;  // "Auto-Beleg", six digits
    int automaticNumbering = 0;

    // Derived from "Jahr" and "1.Monat".
    int spanYear = 0;
    int firstMonth = 1;
    int lastMonth = 12;
    int firstYear2 = 0;
    int secondYear2 = 0;
    int firstYear4 = 0;
    int secondYear4 = 0;
    std::string firstYearText;     // two-digit halves of the year
    std::string secondYearText;

    ElsterData elster;
    DatevData datev;
};

}  // namespace tellmark::config
