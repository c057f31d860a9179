/* Lists the Vexor IDE's accounts as the IDE reads them: open the account store key, enumerate its
 * subkeys, read the four values of each. Build: cc read_accounts.c $(pkg-config --cflags --libs
 * vexor-registry) */
#include <vexor/registry.h>

#include <stdio.h>

static const char kAccountStore[] = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";

/* A REG_SZ value as text; "" when it is missing or too long. */
static void readText(HKEY account, const char* name, char* text, DWORD size) {
    DWORD type = 0;
    if (RegQueryValueExA(account, name, NULL, &type, (LPBYTE)text, &size) != ERROR_SUCCESS ||
        type != REG_SZ || size == 0)
        size = 1;
    text[size - 1] = '\0';
}

int main(void) {
    HKEY store = NULL;
    LONG status = RegOpenKeyExA(HKEY_CLASSES_ROOT, kAccountStore, 0, KEY_READ, &store);
    if (status != ERROR_SUCCESS) {
        fprintf(stderr, "The account store can't be opened (status %ld).\n", (long)status);
        return 1;
    }
    char name[256];
    DWORD length = sizeof name;
    for (DWORD index = 0;
         (status = RegEnumKeyExA(store, index, name, &length, NULL, NULL, NULL, NULL)) == ERROR_SUCCESS;
         ++index, length = sizeof name) {
        HKEY account = NULL;
        if (RegOpenKeyExA(store, name, 0, KEY_READ, &account) != ERROR_SUCCESS)
            continue;
        DWORD enableLogin = 0, size = sizeof enableLogin;
        RegQueryValueExA(account, "Enable Login", NULL, NULL, (LPBYTE)&enableLogin, &size);
        char group[256], password[256], offset[256];
        readText(account, "Group", group, sizeof group);
        readText(account, "Password", password, sizeof password);
        readText(account, "Offset", offset, sizeof offset);
        printf("%s: Enable Login=%lu Group=%s Password=%s Offset=%s\n", name, (unsigned long)enableLogin,
               group, password, offset);
        RegCloseKey(account);
    }
    RegCloseKey(store);
    return status == ERROR_NO_MORE_ITEMS ? 0 : 1;
}
