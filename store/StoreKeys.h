// Where the system's state lives, below HKEY_CLASSES_ROOT. The IDE reads the same keys.
#pragma once

// The account store: one subkey per account.
inline constexpr const char* AccountStoreKey = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
// The settings of the Vexor IDE; its unnamed value is the protection switch.
inline constexpr const char* SettingsKey = "CLSID\\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}";

// Whole trees are deleted by naming their parent and the braced GUID.
inline constexpr const char* ClsidKey = "CLSID";
inline constexpr const char* AccountStoreKeyName = "{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
inline constexpr const char* SettingsKeyName = "{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}";

// The administrator's account key and the name that marks the administrator's row.
inline constexpr const char* AdministratorName = "Administrator";
inline constexpr const char* AdministratorKey = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\Administrator";
