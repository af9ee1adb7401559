// The yardstick of the Drive Cleaner's search: the bare recursive listing of
// a tree, one FindFirstFileExW per folder (basic information, large fetch),
// nothing else, no product code:
//   bare_walk_bench ROOT
// prints "walk <files> <folders> <ms>".
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct Counts {
    unsigned long long files = 0, folders = 0;
};

void Walk(const std::wstring& folder, Counts& counts) {
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const wchar_t* name = data.cFileName;
        if (name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0))) continue;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ++counts.files;
        } else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            ++counts.folders;
            Walk(folder + name + L"\\", counts);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    Counts counts;
    const auto start = std::chrono::steady_clock::now();
    Walk(argv[1], counts);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("walk %llu %llu %.1f\n", counts.files, counts.folders, took.count());
    return 0;
}
