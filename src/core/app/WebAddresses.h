#pragma once

#include <QLatin1String>

// The pages of the maker's web site that the Help menu opens.
namespace WebAddresses {

inline constexpr QLatin1String kQuestions { "https://sendora.example/faq" };
inline constexpr QLatin1String kForum { "https://sendora.example/forum" };
inline constexpr QLatin1String kTips { "https://sendora.example/tips" };

} // namespace WebAddresses
