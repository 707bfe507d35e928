#include "export/export_options.h"

#include <cstddef>

#include "platform/cp1252.h"

const wchar_t* const ExportUsage =
    L"Uso: almanaque-exportar [--ppp N] [--formato png|bmp] [--carpeta DIR] [--festivos "
    L"REGI\u00d3N]\r\n"
    L"                          [--lunas | --sin-lunas] [--sin-memorizadas] [--hojas DIR]\r\n"
    L"                          OBJETIVO...\r\n"
    L"Escribe hojas de calendario listas para imprimir, una imagen por mes.\r\n"
    L"  OBJETIVO      un a\u00f1o (2027: sus doce meses), un mes (2027-05) o un fichero de\r\n"
    L"                trabajo (mayo.vrel: la hoja tal como la dibuja el programa)\r\n"
    L"  --ppp N       resoluci\u00f3n en puntos por pulgada, de 96 a 600 (300 si no se da)\r\n"
    L"  --formato F   png o bmp (png si no se da)\r\n"
    L"  --carpeta DIR carpeta donde se escriben las im\u00e1genes (la actual si no se da)\r\n"
    L"  --festivos R  los festivos de las hojas de un a\u00f1o o de un mes: ninguno, nacional\r\n"
    L"                o los de una comunidad o ciudad (andalucia, madrid, canarias...; con un\r\n"
    L"                nombre que no conoce, dice todos los que conoce)\r\n"
    L"  --lunas       las fases de la luna en esas hojas; --sin-lunas, sin ellas\r\n"
    L"                (sin estas opciones, lo elegido en \"Calendario...\" del programa)\r\n"
    L"  --sin-memorizadas  esas hojas sin las fechas memorizadas en el programa\r\n"
    L"  --hojas DIR   para un a\u00f1o, cada mes cuyo fichero de trabajo (\"2027 3.vrel\") "
    L"est\u00e1\r\n"
    L"                en DIR sale de \u00e9l; los dem\u00e1s, como hojas nuevas\r\n"
    L"  --ayuda       muestra este texto\r\n"
    L"Cada imagen se llama como las de \"Grabar Imagen\": \"2027 5.png\".";

namespace {

// A whole decimal number in range, or -1.
int WholeNumberIn(const std::wstring& text, int low, int high) {
    if (text.empty() || text.size() > 4) return -1;
    int value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value >= low && value <= high ? value : -1;
}

// "ninguno, nacional, andalucia, ...": what --festivos takes.
std::wstring RegionKeys() {
    std::wstring keys;
    for (const HolidayRegion& region : HolidayRegions)
        keys += (keys.empty() ? L"" : L", ") + std::wstring(region.Key.begin(), region.Key.end());
    return keys;
}

ParsedCommandLine UsageError(std::wstring error) {
    ParsedCommandLine parsed;
    parsed.What = ParsedCommandLine::Action::UsageError;
    parsed.Error = std::move(error);
    return parsed;
}

}  // namespace

ParsedCommandLine ParseExportArguments(const std::vector<std::wstring>& arguments) {
    ParsedCommandLine parsed;
    ExportOptions& options = parsed.Options;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::wstring& argument = arguments[k];
        if (argument == L"--ayuda") {
            parsed.What = ParsedCommandLine::Action::ShowUsage;
            return parsed;
        }
        if (argument.size() < 2 || argument[0] != L'-') {
            options.Targets.push_back(argument);
            continue;
        }
        if (argument == L"--lunas" || argument == L"--sin-lunas") {
            options.MoonPhases = argument == L"--lunas";
            continue;
        }
        if (argument == L"--sin-memorizadas") {
            options.WithoutMemorized = true;
            continue;
        }
        if (argument != L"--ppp" && argument != L"--formato" && argument != L"--carpeta" &&
            argument != L"--festivos" && argument != L"--hojas")
            return UsageError(L"Opci\u00f3n desconocida: " + argument);
        if (k + 1 == arguments.size()) return UsageError(L"Falta el valor de " + argument);
        const std::wstring& value = arguments[++k];
        if (argument == L"--ppp") {
            options.DotsPerInch = WholeNumberIn(value, MinimumDotsPerInch, MaximumDotsPerInch);
            if (options.DotsPerInch < 0)
                return UsageError(L"Valor no v\u00e1lido para --ppp: " + value +
                                  L" (un n\u00famero de 96 a 600)");
        } else if (argument == L"--formato") {
            if (value == L"png")
                options.Format = PageFormat::Png;
            else if (value == L"bmp")
                options.Format = PageFormat::Bmp;
            else
                return UsageError(L"Valor no v\u00e1lido para --formato: " + value +
                                  L" (png o bmp)");
        } else if (argument == L"--festivos") {
            options.Holidays = FindHolidayRegion(WideToCp1252(value));
            if (!options.Holidays)
                return UsageError(L"Valor no v\u00e1lido para --festivos: " + value + L" (" +
                                  RegionKeys() + L")");
        } else {
            if (value.empty()) return UsageError(L"Falta el valor de " + argument);
            (argument == L"--hojas" ? options.SheetsFolder : options.Folder) = value;
        }
    }
    if (options.Targets.empty())
        return UsageError(L"Falta el OBJETIVO: un a\u00f1o, un mes o un fichero de trabajo");
    return parsed;
}

NewSheetDressing DressingOfPages(const ExportOptions& options, const NewSheetDressing& users) {
    return {options.WithoutMemorized ? MemorizedDates{} : users.Memorized,
            {options.Holidays.value_or(users.Calendar.Region),
             options.MoonPhases.value_or(users.Calendar.MoonPhases)}};
}
