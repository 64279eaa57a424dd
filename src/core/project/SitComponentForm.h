#pragma once

#include <QByteArray>

#include <array>
#include <memory>
#include <vector>

class QIODevice;
class TSdProjectContainer;
class TSdProjectData;

// The component form of project files: one stream per project ("TPF0", the class name,
// an empty object name, the properties, two end bytes), concatenated in project order.
namespace SitComponentForm {

// Writes the streams of projects to device. Throws SdError with the device's error text
// when a write fails.
void write(QIODevice& device, const std::vector<const TSdProjectData*>& projects);
QByteArray toBytes(const TSdProjectData& project);

enum class ReadResult {
    // The data ended, after zero or more whole or cut-short streams: the file is in
    // this form.
    Accepted,
    // Something other than the end of the data stopped reading: not this form. The
    // projects read completely before stay in the container.
    NotThisForm,
};

// Appends the projects of bytes to container. Never allocates more than the data holds.
ReadResult read(const QByteArray& bytes, TSdProjectContainer& container);

// The 80-bit extended float of a date, produced and parsed without a long double type.
// Every finite double survives the round trip exactly.
std::array<unsigned char, 10> encodeExtended(double value);
double decodeExtended(const unsigned char* bytes);

} // namespace SitComponentForm
