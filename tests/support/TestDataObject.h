// A drag-and-drop data object for tests, as a drag source hands one over: each format a
// block of global memory (text, wide text, ANSI or wide file lists).
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace test_data_object {
inline HGLOBAL GlobalWith(const void* data, size_t size)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(h), data, size);
    GlobalUnlock(h);
    return h;
}

inline std::vector<char> AnsiFileList(const std::vector<std::string>& paths)
{
    DROPFILES header = {};
    header.pFiles = sizeof(header);
    std::vector<char> bytes(reinterpret_cast<char*>(&header), reinterpret_cast<char*>(&header) + sizeof(header));
    for (const std::string& path : paths) bytes.insert(bytes.end(), path.c_str(), path.c_str() + path.size() + 1);
    bytes.push_back('\0');
    return bytes;
}

inline std::vector<char> WideFileList(const std::vector<std::wstring>& paths)
{
    DROPFILES header = {};
    header.pFiles = sizeof(header);
    header.fWide = TRUE;
    std::vector<char> bytes(reinterpret_cast<char*>(&header), reinterpret_cast<char*>(&header) + sizeof(header));
    for (const std::wstring& path : paths) {
        const char* begin = reinterpret_cast<const char*>(path.c_str());
        bytes.insert(bytes.end(), begin, begin + (path.size() + 1) * sizeof(wchar_t));
    }
    bytes.insert(bytes.end(), sizeof(wchar_t), '\0');
    return bytes;
}

// A data object as a drag source hands over: each format a block of global memory.
class TestDataObject final : public IDataObject {
public:
    static TestDataObject* New() { return new TestDataObject(); }
    TestDataObject* With(CLIPFORMAT format, const void* data, size_t size)
    {
        const char* bytes = static_cast<const char*>(data);
        m_formats[format] = std::vector<char>(bytes, bytes + size);
        return this;
    }
    TestDataObject* Text(const std::string& text) { return With(CF_TEXT, text.c_str(), text.size() + 1); }
    TestDataObject* WideText(const std::wstring& text)
    {
        return With(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    TestDataObject* Files(const std::vector<std::string>& paths)
    {
        std::vector<char> list = AnsiFileList(paths);
        return With(CF_HDROP, list.data(), list.size());
    }
    TestDataObject* WideFiles(const std::vector<std::wstring>& paths)
    {
        std::vector<char> list = WideFileList(paths);
        return With(CF_HDROP, list.data(), list.size());
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        HRESULT found = QueryGetData(format);
        if (found != S_OK) return found;
        const std::vector<char>& data = m_formats[format->cfFormat];
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = GlobalWith(data.data(), data.size());
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
        return m_formats.count(format->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    TestDataObject() = default;
    ULONG m_refs = 1;
    std::map<CLIPFORMAT, std::vector<char>> m_formats;
};

// Owns one reference to a test data object.
class Data {
public:
    explicit Data(TestDataObject* object) : m_object(object) {}
    ~Data() { m_object->Release(); }
    Data(const Data&) = delete;
    Data& operator=(const Data&) = delete;
    IDataObject* Get() const { return m_object; }

private:
    TestDataObject* m_object;
};
} // namespace test_data_object

using test_data_object::Data;
using test_data_object::TestDataObject;
