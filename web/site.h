#pragma once

// Our web site: its name titles the web page window until a page is shown.
namespace Site {
inline constexpr char Name[] = "Vorlina on the Web";
inline constexpr char HomeAddress[] = "https://vorlina.example.org/";
inline constexpr char SearchAddress[] = "https://vorlina.example.org/search";
} // namespace Site
