#pragma once
// Directory and file names of the data: the name patterns of every file a booking circle owns, the fixed
// names of work and export files. The program's "\\" separators are written '/' on Linux.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Program configuration, always in the start directory.
inline constexpr std::string_view kNameConfigFile = cp<"tellmark.ini">();

// One directory per booking circle below the data directory.
inline constexpr std::string_view kNameCircleDirectory = cp<"BK%06i">();

// Files inside a booking circle's directory. One spelling for the settings file, for creating and opening.
inline constexpr std::string_view kNameSettingsFile = cp<"STAMM%03i.DAT">();
inline constexpr std::string_view kNameYearFile = cp<"%c%04i%03i%4s">();
inline constexpr std::string_view kNameCircleFile = cp<"%c%03i%4s">();
inline constexpr std::string_view kNameDatevMappingFile = cp<"DATEV%03i.DAT">();
inline constexpr std::string_view kSuffixBalance = cp<".sal">();
inline constexpr std::string_view kSuffixBalanceIndex = cp<".sdx">();
inline constexpr std::string_view kSuffixJournal = cp<".jou">();
inline constexpr std::string_view kSuffixJournalIndex = cp<".jdx">();
inline constexpr std::string_view kSuffixOperationRecord = cp<".lauf">();
inline constexpr std::string_view kSuffixStandardBookings = cp<".stn">();
inline constexpr std::string_view kNamePrintFile = cp<"~print~.tmp">();
inline constexpr std::string_view kNameVatWorkFile = cp<"~ustva~.tmp">();

// Bare name of the VAT pre-return transfer file: circle, two-digit year, period code, year again.
inline constexpr std::string_view kNameVatTransfer = cp<"%.03i-%.02i%.02i.u%02i">();

// GDPdU export below the booking circle's directory.
inline constexpr std::string_view kNameGdpduDirectory = cp<"GDPdU">();
inline constexpr std::string_view kNameGdpduYear = cp<"%.04i">();
inline constexpr std::string_view kNameGdpduTable = cp<"%.04i%s">();
inline constexpr std::string_view kNameGdpduDescription = cp<"index.xml">();
inline constexpr std::string_view kNameGdpduDtd = cp<"gdpdu-01-08-2002.dtd">();
inline constexpr std::string_view kNameProgramData = cp<"progdata">();
inline constexpr std::string_view kSuffixGdpduJournal = cp<"-jou.txt">();
inline constexpr std::string_view kSuffixGdpduCashBook = cp<"-kas.txt">();
inline constexpr std::string_view kSuffixGdpduAccountSheets = cp<"-kto.txt">();
inline constexpr std::string_view kSuffixGdpduBalances = cp<"-sal.txt">();

// Files of the earlier DOS generation, directly in the data directory; circle number in two digits.
inline constexpr std::string_view kNameOldYearFile = cp<"%c%04i%02i%4s">();
inline constexpr std::string_view kNameOldCircleFile = cp<"%c%02i%4s">();
inline constexpr std::string_view kSuffixOldBalance = cp<"s.buc">();
inline constexpr std::string_view kSuffixOldBalanceIndex = cp<"s.ndx">();
inline constexpr std::string_view kSuffixOldJournal = cp<"j.buc">();
inline constexpr std::string_view kSuffixOldJournalIndex = cp<"j.ndx">();
inline constexpr std::string_view kSuffixOldStandardBookings = cp<"j.buc">();

}  // namespace tellmark::text
