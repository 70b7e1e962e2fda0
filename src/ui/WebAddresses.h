#pragma once

// Every outside address the program knows, in one place.
namespace WebAddresses {

inline constexpr char16_t HomePage[] = u"http://www.fernwick.example/";
inline constexpr char16_t SupportMail[] = u"support@fernwick.example";
inline constexpr char16_t TemplatesSite[] = u"http://www.webtemplates.example/";
inline constexpr char16_t BannerScript[] = u"http://www.fernwick.example/120x60ad.js";

} // namespace WebAddresses
