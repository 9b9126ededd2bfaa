// Who makes and supports this copy of the program: the texts and addresses that the About and
// Technical Support windows show. A deployment changes them here and nowhere else.
#pragma once

#include <array>
#include <string_view>

namespace quillon::deployment {

inline constexpr std::string_view kMakerName = "Verimont, Inc.";
inline constexpr std::array<std::string_view, 2> kMakerAddress = {
    "100 Example Road",
    "Anytown, ST 00000",
};
inline constexpr std::string_view kMakerTelephone = "(555) 555-0100";
inline constexpr std::string_view kSalesMail = "sales@example.com";

inline constexpr std::string_view kSupportTelephone = "(555) 555-0123";
inline constexpr std::string_view kSupportMail = "support@example.com";

// The program's own web page, where software centres link to and find its screenshots.
inline constexpr std::string_view kHomePage = "https://www.example.com/quillon/";

// The statistics book that explains every procedure and formula of the program.
inline constexpr std::string_view kBookWebAddress = "https://www.example.org/statistics-book/";

inline constexpr std::array<std::string_view, 2> kNotices = {
    "Copyright \u00A9 2024 Verimont, Inc. All rights reserved.",
    "Quillon is provided as is, without warranty of any kind.",
};

} // namespace quillon::deployment
