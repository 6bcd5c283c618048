// Addresses of the project that the launcher opens or names.
#pragma once

// Host of the project web site; the update file lies on it as well.
inline constexpr const char* VEKOLAUNCH_WEB_HOST = "vekolaunch.example.org";
inline constexpr const char* VEKOLAUNCH_WEB_ADDRESS = "https://vekolaunch.example.org/";
// Where users send error reports and questions.
inline constexpr const char* VEKOLAUNCH_CONTACT_MAIL = "author@vekolaunch.example.org";
