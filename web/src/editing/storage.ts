// The open project and its undo history kept in the browser's storage (IndexedDB) after every
// edit, so that a reload or a closed tab brings them back. When the storage is full the project
// itself is kept without its history, and the page is told so.

interface Snapshot {
  file: string;
  position: number;
  saved: number | null;
  steps: Array<{ change: string; text: string }>;
}

// The engine's history snapshot cut down to the project as it stands: one step, nothing to undo.
export function currentStepOnly(snapshot: string): string {
  const kept = JSON.parse(snapshot) as Snapshot;
  const step = kept.steps[kept.position];
  return JSON.stringify({
    file: kept.file,
    position: 0,
    saved: kept.saved === kept.position ? 0 : null,
    steps: [{ change: '', text: step.text }],
  });
}

export type Kept = 'whole' | 'project only' | 'nothing';

const kDatabase = 'stavelorn';
const kStore = 'open-project';
const kKey = 'current';

function database(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(kDatabase, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(kStore);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function write(value: string | undefined): Promise<void> {
  const db = await database();
  try {
    await new Promise<void>((resolve, reject) => {
      const transaction = db.transaction(kStore, 'readwrite');
      const store = transaction.objectStore(kStore);
      if (value === undefined) store.delete(kKey);
      else store.put(value, kKey);
      transaction.oncomplete = () => resolve();
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error);
    });
  } finally {
    db.close();
  }
}

// Keeps `snapshot`; when it does not fit, the project alone.
export async function keep(snapshot: string): Promise<Kept> {
  try {
    await write(snapshot);
    return 'whole';
  } catch {
    try {
      await write(currentStepOnly(snapshot));
      return 'project only';
    } catch {
      return 'nothing';
    }
  }
}

// The snapshot kept by an earlier visit, or null.
export async function kept(): Promise<string | null> {
  try {
    const db = await database();
    try {
      return await new Promise<string | null>((resolve, reject) => {
        const request = db.transaction(kStore, 'readonly').objectStore(kStore).get(kKey);
        request.onsuccess = () => resolve(typeof request.result === 'string' ? request.result : null);
        request.onerror = () => reject(request.error);
      });
    } finally {
      db.close();
    }
  } catch {
    return null;
  }
}

// Nothing kept any more: the project was closed or replaced by one opened from a file.
export async function forget(): Promise<void> {
  await write(undefined).catch(() => undefined);
}
