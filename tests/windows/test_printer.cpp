// Adds or removes the printer scripts/test-windows prints to under Wine, which
// offers printers only through CUPS, missing on a build machine: Wine's
// PostScript driver with a file for its port, so a print can be read back.
//
//   vapentis_test_printer add NAME FILE PPD   FILE a Unix path, Wine's port for a file;
//                                             the printer becomes the default one
//   vapentis_test_printer remove NAME         a missing printer is no failure
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

int Fail(const wchar_t* what) {
  std::fwprintf(stderr, L"vapentis_test_printer: %ls failed (error %lu)\n", what, GetLastError());
  return 1;
}

int Add(std::wstring name, std::wstring file, std::wstring ppd) {
  std::wstring driver_path = L"wineps.drv";
  std::wstring raw = L"RAW";
  DRIVER_INFO_3W driver = {};
  driver.cVersion = 3;
  driver.pName = name.data();
  driver.pDriverPath = driver_path.data();
  driver.pConfigFile = driver_path.data();
  driver.pDataFile = ppd.data();
  driver.pDefaultDataType = raw.data();
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                           APD_COPY_ALL_FILES | APD_COPY_FROM_DIRECTORY) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    return Fail(L"AddPrinterDriverEx");
  }
  // Windows' own print processor passes the driver's PostScript to the port
  // unchanged; Wine's takes only spooled metafiles.
  std::wstring processor = L"winprint";
  std::wstring empty;
  PRINTER_INFO_2W printer = {};
  printer.pPrinterName = name.data();
  printer.pPortName = file.data();
  printer.pDriverName = name.data();
  printer.pPrintProcessor = processor.data();
  printer.pDatatype = raw.data();
  printer.pParameters = empty.data();
  printer.pShareName = empty.data();
  printer.pSepFile = empty.data();
  HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added == nullptr) return Fail(L"AddPrinter");
  ClosePrinter(added);
  if (!SetDefaultPrinterW(name.c_str())) return Fail(L"SetDefaultPrinter");
  return 0;
}

int Remove(std::wstring name) {
  PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name.data(), &printer, &access)) {
    return GetLastError() == ERROR_INVALID_PRINTER_NAME ? 0 : Fail(L"OpenPrinter");
  }
  const bool deleted = DeletePrinter(printer);
  ClosePrinter(printer);
  if (!deleted) return Fail(L"DeletePrinter");
  // The driver stays: Wine cannot delete one (DeletePrinterDriverEx is a stub).
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && std::wcscmp(argv[1], L"add") == 0) return Add(argv[2], argv[3], argv[4]);
  if (argc == 3 && std::wcscmp(argv[1], L"remove") == 0) return Remove(argv[2]);
  std::fwprintf(stderr, L"usage: vapentis_test_printer add NAME FILE PPD | remove NAME\n");
  return 2;
}
