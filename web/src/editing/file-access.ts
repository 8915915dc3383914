// The project's file in the browser: where the browser has its file pickers with write access,
// Open goes through them and keeps the file's handle, and Save writes the project back to that
// file (or asks where to save a project that has none); elsewhere Save downloads the file.
// Which way Save goes is saveSteps' decision.
import { saveSteps } from './save-target';

interface WritableHandle extends FileSystemFileHandle {
  requestPermission?(options: { mode: 'readwrite' }): Promise<PermissionState>;
}
interface FilePickers {
  showOpenFilePicker(options: object): Promise<WritableHandle[]>;
  showSaveFilePicker(options: object): Promise<WritableHandle>;
}

const pickerOptions = { types: [{ description: 'STAVELORN project', accept: { 'text/plain': ['.str'] } }] };

export class ProjectFileAccess {
  private handle: WritableHandle | null = null;

  // Open through the browser's picker: the file chosen (its handle kept once `keep` is called),
  // or null when the browser has no picker or the user cancelled.
  async pickToOpen(): Promise<{ file: File; keep: () => void } | null> {
    const pickers = filePickers();
    if (!pickers) return null;
    try {
      const [handle] = await pickers.showOpenFilePicker(pickerOptions);
      return { file: await handle.getFile(), keep: () => (this.handle = handle) };
    } catch (error) {
      if (cancelled(error)) return null;
      throw error;
    }
  }

  // Whether Open goes through the browser's picker rather than the file box.
  get picks(): boolean {
    return filePickers() !== null;
  }

  // Another project is open: Save no longer writes to the file.
  forget(): void {
    this.handle = null;
  }

  // Saves `text`, the engine naming the file `suggested`; false when nothing was saved (the
  // user cancelled the save dialog).
  async save(suggested: string, text: string): Promise<boolean> {
    const pickers = filePickers();
    for (const step of saveSteps(this.handle?.name ?? null, pickers !== null, suggested)) {
      if (step.way === 'download') {
        download(step.name, text);
        return true;
      }
      try {
        const handle =
          step.way === 'write back'
            ? this.handle!
            : await pickers!.showSaveFilePicker({ ...pickerOptions, suggestedName: step.name });
        if ((await handle.requestPermission?.({ mode: 'readwrite' })) === 'denied') continue;
        const writable = await handle.createWritable();
        await writable.write(text);
        await writable.close();
        this.handle = handle;
        return true;
      } catch (error) {
        if (cancelled(error)) return false;
        if (step.way !== 'write back') throw error;
      }
    }
    return false;
  }
}

function filePickers(): FilePickers | null {
  const maybe = window as unknown as Partial<FilePickers>;
  return typeof maybe.showOpenFilePicker === 'function' && typeof maybe.showSaveFilePicker === 'function'
    ? (maybe as FilePickers)
    : null;
}

function cancelled(error: unknown): boolean {
  return error instanceof DOMException && error.name === 'AbortError';
}

function download(name: string, text: string): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  URL.revokeObjectURL(link.href);
}
