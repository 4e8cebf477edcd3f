#pragma once

#include "runtime/Exceptions.h"

// The engine's own error classes; their fixed messages are the engine's texts.
namespace neural {

class EInOutDimensionError : public rt::Exception {
    using rt::Exception::Exception;
};
class ENeuronCountError : public rt::Exception {
    using rt::Exception::Exception;
};
class ENeuronNotEqualFieldError : public rt::Exception {
    using rt::Exception::Exception;
};
class EBPStopCondition : public rt::Exception {
    using rt::Exception::Exception;
};
class EFieldNormError : public rt::Exception {
    using rt::Exception::Exception;
};

namespace msg {
inline constexpr const char* InputVectorDimension = "Неправильно установлена размерность входного вектора";
inline constexpr const char* OutputVectorDimension = "Неправильно установлена размерность выходного вектора";
inline constexpr const char* InputNeuronsCount = "Неправильно установлено количество входных нейронов";
inline constexpr const char* NeuronCount = "Неправильно указано количество нейронов";
inline constexpr const char* InputFieldsCount = "Неправильно установлено количество входных полей";
inline constexpr const char* OutputFieldsCount = "Неправильно установлено количество выходных полей";
inline constexpr const char* NoStopCondition = "Не задано условие останова процесса обучения";
inline constexpr const char* NoNormType = "Не существует типа нормализации %d";
inline constexpr const char* NoFieldType = "Не существует типа поля %d";
inline constexpr const char* WeightIndex = "Неправильно указан номер веса %d";
inline constexpr const char* PatternIndex = "Выход за границы массива примеров %d";
inline constexpr const char* LayerIndex = "Неправильно указан номер слоя %d";
inline constexpr const char* NeuronIndex = "Неправильно указан номер нейрона %d";
inline constexpr const char* NotANumber = "Ошибка, выражение %s невозможно привести к числовому типу";
// Our own additions, in the engine's language.
inline constexpr const char* NoPatterns = "Нет примеров для обучения";
inline constexpr const char* NoDataRows = "Файл данных %s не содержит строк с данными";
inline constexpr const char* DescriptionNotSupported = "Чтение описания сети из файла %s не поддерживается";
}  // namespace msg

}  // namespace neural
