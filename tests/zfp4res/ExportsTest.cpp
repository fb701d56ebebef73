#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

TEST(Exports, OnlyTheEntryPointsAreExportedUnderTheirCNames) {
    void* library = dlopen(ZFP4RES_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char* name : {"GetOsInfo", "LenB_ASCII", "MidB_ASCII", "Zf3FileDlg", "Zf3FolderDlg", "Zf3ChooseColor",
                             "Call_dlg100", "Call_dlg110", "Call_dlg111", "ZF4_GetPlgInfo",
                             "ZF4_SetPlgComment", "ZF4_SetCorpAddList", "ZF4_DrawSeiriken"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    // What the library is built from stays inside: its own helpers and the
    // code and resources of the static libraries it links.
    for (const char* name : {"_ZN7buffers9writeTextERK7QStringPci", "_ZN5cp9326encodeERK7QString",
                             "_Z28qInitResources_segment_fontsv", "_ZN6ticket11parsePluginE14QByteArrayView"})
        EXPECT_EQ(dlsym(library, name), nullptr) << name;
    dlclose(library);
}

}  // namespace
