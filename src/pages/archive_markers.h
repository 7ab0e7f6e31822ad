#pragma once
// Lines that every page of the archive carries in its title bar, its footer
// and its attribution comment block. The sample archive (written by
// scripts/make_sample_archive, which holds the same texts) and the
// highlighter share them: the highlighter never changes a page line that
// contains one of them, so a search word never breaks the page frame.
// Change them together with the generator and re-run it.
//
// UTF-8 literals; convert with lrv::text::Ansi where they meet page bytes.

#include <array>
#include <string_view>

namespace lrv::pages {

// Title bar table: its background picture and its spacing.
inline constexpr std::string_view kTitleBackgroundMarker = "background=\"images/bg_title.jpg\"";
inline constexpr std::string_view kTitleTableMarker = "cellspacing=\"10\" cellpadding=\"0\"";
// Footer table with the bar picture.
inline constexpr std::string_view kBottomLineMarker = "background=\"images/bottom_line.jpg\"";
// The link to the project web site in the title bar.
inline constexpr std::string_view kSiteLinkMarker = "title=\"Перейти на сайт проекта\">Lorvane";
// The footer line that opens the mail link to the project's author; the
// address is lrv::kProjectEmail (base/paths.h).
inline constexpr std::string_view kFooterMailMarker =
    "<br> Автор проекта: <a href=\"mailto:support@lorvane.example.org\"";

// The attribution comment block, one whole page line each: a border and
// the product, release years, compiler, e-mail and web site. Each line is
// 67 characters (67 bytes in Windows-1251).
inline constexpr std::array<std::string_view, 6> kBannerLines = {
    "<!-- {********************************************************} -->",
    "<!-- {  Lorvane 6 Pro: архив статей по программированию       } -->",
    "<!-- {  Годы выпуска: 2003-2025                               } -->",
    "<!-- {  Составитель: команда проекта Lorvane                  } -->",
    "<!-- {  E-mail: support@lorvane.example.org                   } -->",
    "<!-- {  Сайт: http://lorvane.example.org                      } -->",
};

}  // namespace lrv::pages
