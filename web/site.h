#pragma once

// Our web site: its name titles the web page window until a page is shown. Its pages travel
// inside the program, under a scheme of its own, so they load with or without a network.
namespace Site {
inline constexpr char Name[] = "Vorlina on the Web";
inline constexpr char Scheme[] = "vorlina";
inline constexpr char HomeAddress[] = "vorlina:home";
inline constexpr char SearchAddress[] = "vorlina:search";
} // namespace Site
